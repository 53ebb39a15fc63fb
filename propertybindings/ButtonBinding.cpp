#include "propertybindings/ButtonBinding_p.h"

#include "sdk/exception/ExceptionBoundary.h"
#include "sdk/exception/InvalidArgumentException.h"
#include "sdk/widgets/DeferredCommits_p.h"

#include <QAbstractButton>

namespace quarlin::sdk::ui::dialogs::propertybindings {

ButtonBinding::ButtonBinding(QAbstractButton* button, boost::function<void()> action)
    : m_action(std::move(action))
{
    if (!button)
        throw InvalidArgumentException("A button binding needs a button.");
    if (!m_action)
        throw InvalidArgumentException("A button binding needs an action.");
    m_connections.add(QObject::connect(button, &QAbstractButton::clicked, button, [this] {
        // The action acts on what the fields hold: a field the click took the focus from is
        // committed first. The host may close the window in answer, this binding with it.
        auto const alive = m_lifetime.watch();
        quarlin::ui::intern::DeferredCommits::flush();
        if (!alive)
            return;
        auto const run = m_action; // a copy: the action may close the window
        runAtBoundary([&run] { run(); });
    }));
}

ButtonBinding::~ButtonBinding() = default;

} // namespace quarlin::sdk::ui::dialogs::propertybindings
