#pragma once

#include "quarlin_prompt_export.h"

#include <functional>

namespace quarlin {

/// Runs an action when it goes out of scope, on a normal exit and when an exception passes: for
/// guard flags and suspended notifications that must be restored on every way out. The action
/// must not throw.
class QUARLIN_PROMPT_EXPORT ScopedExitAction
{
public:
    /// Runs `action` (an empty one: nothing) when this object is destroyed.
    explicit ScopedExitAction(std::function<void()> action);
    virtual ~ScopedExitAction();
    ScopedExitAction(ScopedExitAction const&) = delete;
    ScopedExitAction& operator=(ScopedExitAction const&) = delete;

private:
    std::function<void()> m_action;
};

} // namespace quarlin
