#pragma once

#include "quarlin_prompt_export.h"

#include <boost/function.hpp>

#include <QObject>
#include <QPointer>

#include <QLineEdit>

namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable {

/// Calls a commit function when a person has finished editing a line edit: on Enter or Return,
/// and when the field loses the focus (not to a popup such as its own context menu), in both
/// cases only if the text was edited since the program last set it. Unlike QLineEdit's own
/// editingFinished, this also fires for text the validator does not accept, so the commit can
/// restore the field and say why. A commit that fails keeps Enter from reaching the dialog, so
/// the dialog does not close on a value that was not taken. Works for a line edit inside an
/// editable combo box too.
class QUARLIN_PROMPT_EXPORT QTextFieldObservable : public QObject
{
    Q_OBJECT

public:
    /// Watches `lineEdit` (borrowed) and calls `commit`, which returns false when it refused the text.
    QTextFieldObservable(QLineEdit& lineEdit, boost::function<bool()> commit);
    ~QTextFieldObservable() override;

    /// The watched line edit; null once it is gone.
    QLineEdit* lineEdit() const { return m_lineEdit; }

protected:
    /// Enter, Return and focus loss commit the edited text.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    /// Returns false when the commit refused the text.
    bool commitIfEdited();

    QPointer<QLineEdit> m_lineEdit; ///< not owned
    QPointer<QWidget> m_focusOwner; ///< not owned: the combo box when the line edit is part of one
    boost::function<bool()> m_commit;
    bool m_committing = false; ///< a commit's message box takes the focus: no second commit then
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
