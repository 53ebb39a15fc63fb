#pragma once

#include "quarlin_prompt_export.h"

#include <QAbstractButton>
#include <QObject>
#include <QPointer>

#include <vector>

namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable {

class QButtonObservable;

/// What hears a QButtonObservable.
class QUARLIN_PROMPT_EXPORT QButtonListenerInterface
{
public:
    virtual ~QButtonListenerInterface();
    /// The button was checked or unchecked, by a person or by a program.
    virtual void buttonStateChanged(QButtonObservable& observable) = 0;
};

/// Tells its listeners whenever a checkable button changes state.
class QUARLIN_PROMPT_EXPORT QButtonObservable : public QObject
{
    Q_OBJECT

public:
    /// Watches `button`, which is borrowed: null, or once it is destroyed, nothing is heard.
    explicit QButtonObservable(QAbstractButton* button);
    ~QButtonObservable() override;

    /// Adds `listener` (borrowed; it removes itself before it dies); a null one is ignored.
    void addListener(QButtonListenerInterface* listener);
    /// Removes `listener`; one that was not added is ignored.
    void removeListener(QButtonListenerInterface* listener);

    /// Null once the button is gone.
    QAbstractButton* button() const { return m_button; }

private:
    void onToggled();

    QPointer<QAbstractButton> m_button;                 ///< not owned
    std::vector<QButtonListenerInterface*> m_listeners; ///< not owned: listeners remove themselves
};

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
