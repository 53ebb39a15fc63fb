#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <memory>

namespace quarlin::dialogs::prompt {

/// Sets how scatter symbols are sized and which font draws ASCII symbols. On a field plot: the
/// scatter-size variable, the size per unit of its magnitude in grid units or centimetres (the
/// field of the unit not chosen is greyed), a button that recalculates a suitable size, and the
/// font; on a line plot only the font, and the title says "Symbol Font". Close only: every
/// change reaches the host at once. Follows the active frame's plot type while open.
class QUARLIN_PROMPT_EXPORT ScatterSizeFontDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog under parent; later calls return it unchanged.
    static ScatterSizeFontDialog& getInstance(QWidget& parent);
    /// The active frame shows a field plot or a line plot.
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~ScatterSizeFontDialog() override;

    /// Titles the dialog for the active frame's plot type and installs its help.
    void setDialogForPlotType();

private:
    explicit ScatterSizeFontDialog(QWidget& parent);

    struct Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, style set, manager, bindings, appliers

    static ScatterSizeFontDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
