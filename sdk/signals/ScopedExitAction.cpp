#include "sdk/signals/ScopedExitAction.h"

namespace quarlin {

ScopedExitAction::ScopedExitAction(std::function<void()> action)
    : m_action(std::move(action))
{}

ScopedExitAction::~ScopedExitAction()
{
    if (m_action)
        m_action();
}

} // namespace quarlin
