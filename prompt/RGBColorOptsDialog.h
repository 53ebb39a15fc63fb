#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <memory>

namespace quarlin::dialogs::prompt {

/// Sets how the host colours by RGB: which channels come from variables and which one is
/// calculated, the red, green and blue channel variables, and the value range that maps to
/// intensity. Modeless, with Close only: every change reaches the host at once, as its own undo
/// step. A channel the mode calculates is greyed out; channel variables the data set loses are
/// replaced with the host's candidates. Usable while the active frame shows a field plot.
class QUARLIN_PROMPT_EXPORT RGBColorOptsDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog under parent; later calls return it unchanged.
    static RGBColorOptsDialog& getInstance(QWidget& parent);
    /// Relevant while the active frame shows a field plot (2-D or 3-D Cartesian).
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~RGBColorOptsDialog() override;

private:
    explicit RGBColorOptsDialog(QWidget& parent);

    struct Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: the properties manager, bindings and relevance appliers

    static RGBColorOptsDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
