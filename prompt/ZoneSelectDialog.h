#pragma once

#include "quarlin_prompt_export.h"
#include "sdk/dialogs/QtDialogAbstract.h"

#include <memory>

namespace quarlin::dialogs::prompt {

/// Asks for one zone of the active frame's data set. Every getInstance preselects the zone it is
/// given and scrolls it into view; a double click on a zone chooses it. The list stays fast for a
/// million zones.
class QUARLIN_PROMPT_EXPORT ZoneSelectDialog : public common::QtDialogAbstract
{
    Q_OBJECT

public:
    /// The first call builds the dialog under parent; every call preselects zone (1-based).
    static ZoneSelectDialog& getInstance(QWidget& parent, int zone);
    /// Relevant while a data set exists.
    static sdk::ui::propertymanager::RelevancePtr relevance();

    ~ZoneSelectDialog() override;

    /// The selected zone; the preselected one when the person cleared the selection.
    int selectedZone();

private:
    ZoneSelectDialog(QWidget& parent, int zone);
    void preselect(int zone);

    class Impl;
    std::unique_ptr<Impl> m_impl; ///< owned: form, properties, binding

    static ZoneSelectDialog* m_dialogInstance; ///< not owned: the Qt parent owns the dialog
};

} // namespace quarlin::dialogs::prompt
