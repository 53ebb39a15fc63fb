#include "propertybindings/qwidgetobservable/QTextFieldObservable.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/signals/ScopedExitAction.h"
#include "sdk/widgets/DeferredCommits_p.h"
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>

namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable {

QTextFieldObservable::QTextFieldObservable(QLineEdit& lineEdit, boost::function<bool()> commit)
    : m_lineEdit(&lineEdit)
    , m_commit(std::move(commit))
{
    lineEdit.installEventFilter(this);
    // An editable combo box keeps the focus itself and hands keys to its line edit directly,
    // past any event filter: watch the combo box too.
    if (auto* const combo = qobject_cast<QComboBox*>(lineEdit.parentWidget())) {
        m_focusOwner = combo;
        combo->installEventFilter(this);
    }
}

QTextFieldObservable::~QTextFieldObservable()
{
    if (m_lineEdit)
        m_lineEdit->removeEventFilter(this);
    if (m_focusOwner)
        m_focusOwner->removeEventFilter(this);
}

bool QTextFieldObservable::commitIfEdited()
{
    if (m_committing || !m_lineEdit || !m_lineEdit->isModified() || !m_commit)
        return true;
    m_committing = true;
    // The commit may close the window, and this observable with it: nothing is touched then.
    QPointer<QTextFieldObservable> const self(this);
    ScopedExitAction const done([this, self] {
        if (self)
            m_committing = false;
    });
    bool taken = false;
    auto const commit = m_commit; // a copy: it may be destroyed while it runs
    runAtBoundary([&] { taken = commit(); });
    if (self && taken && m_lineEdit)
        m_lineEdit->setModified(false);
    return taken;
}

bool QTextFieldObservable::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_lineEdit && watched != m_focusOwner)
        return false;
    switch (event->type()) {
    case QEvent::KeyPress: {
        int const key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return !commitIfEdited(); // a refused text keeps Enter from closing the dialog
        return false;
    }
    case QEvent::FocusOut:
        if (static_cast<QFocusEvent*>(event)->reason() != Qt::PopupFocusReason)
            quarlin::ui::intern::DeferredCommits::schedule(*this, [this] { commitIfEdited(); });
        return false;
    default: return false;
    }
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
