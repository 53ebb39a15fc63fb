#pragma once

#include "quarlin_prompt_export.h"

#include <QObject>
#include <QPointer>

#include <vector>

#include <QComboBox>

namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable {

class QComboBoxObservable;

/// What hears a QComboBoxObservable.
class QUARLIN_PROMPT_EXPORT QComboBoxListenerInterface
{
public:
    virtual ~QComboBoxListenerInterface();
    /// A person chose an item; the combo's current index is the choice.
    virtual void comboBoxSelectionChanged(QComboBoxObservable& observable) = 0;
};

/// Reports the items a person chooses in a combo box (click, keyboard, wheel), never the index
/// changes a program makes. A listener that refuses the choice by throwing one of the library's
/// exceptions has its message shown through the host's message box, and the combo goes back to
/// the item it showed before, so the widget never shows a value the property does not hold.
class QUARLIN_PROMPT_EXPORT QComboBoxObservable : public QObject
{
    Q_OBJECT

public:
    /// Watches `comboBox`, which is borrowed.
    explicit QComboBoxObservable(QComboBox& comboBox);
    ~QComboBoxObservable() override;

    /// Adds `listener` (borrowed; it removes itself before it dies); a null one is ignored.
    void addListener(QComboBoxListenerInterface* listener);
    /// Removes `listener`; one that was not added is ignored.
    void removeListener(QComboBoxListenerInterface* listener);

    /// Null once the combo box is gone.
    QComboBox* comboBox() const { return m_comboBox; }

private:
    void onActivated(int before); ///< before: the index shown before the choice

    QPointer<QComboBox> m_comboBox;                       ///< not owned
    std::vector<QComboBoxListenerInterface*> m_listeners; ///< not owned: listeners remove themselves
    int m_shownIndex;
    int m_previousIndex;
    int m_beforeChoice = -1;      ///< the index before a choice not taken yet
    bool m_choicePending = false; ///< a choice waits for Qt to be done with the combo box
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
