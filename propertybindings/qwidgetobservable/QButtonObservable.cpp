#include "propertybindings/qwidgetobservable/QButtonObservable.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/widgets/DeferredCommits_p.h"

#include <QPointer>
#include <algorithm>

namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable {

QButtonListenerInterface::~QButtonListenerInterface() = default;

QButtonObservable::QButtonObservable(QAbstractButton* button)
    : m_button(button)
{
    if (button)
        // Qt goes on using the button after it reports the toggle, and a listener may answer by
        // closing the window: listeners are told once Qt is done.
        connect(button, &QAbstractButton::toggled, this,
                [this] { quarlin::ui::intern::DeferredCommits::schedule(*this, [this] { onToggled(); }); });
}

QButtonObservable::~QButtonObservable() = default;

void QButtonObservable::addListener(QButtonListenerInterface* listener)
{
    if (listener && std::find(m_listeners.begin(), m_listeners.end(), listener) == m_listeners.end())
        m_listeners.push_back(listener);
}

void QButtonObservable::removeListener(QButtonListenerInterface* listener)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), listener), m_listeners.end());
}

void QButtonObservable::onToggled()
{
    // A copy: a listener may remove itself while being told.
    std::vector<QButtonListenerInterface*> const listeners = m_listeners;
    // A listener may close the window, and this observable with it: nothing is touched then.
    QPointer<QButtonObservable> const self(this);
    for (QButtonListenerInterface* listener : listeners)
        if (self)
            runAtBoundary([&] { listener->buttonStateChanged(*this); });
}

} // namespace quarlin::sdk::ui::dialogs::propertybindings::qwidgetobservable
