#pragma once

#include "quarlin_prompt_export.h"

#include <exception>
#include <utility>

namespace quarlin {

/// Reports a caught exception as runAtBoundary does; never throws.
QUARLIN_PROMPT_EXPORT void reportAtBoundary(std::exception_ptr failure) noexcept;

/// Qt calls the library from slots, event filters, timers and idle actions, and the host from its
/// state-change signal; an exception unwinding through Qt is undefined behaviour (inside exec()
/// it would leave launch() half done), and one unwinding into the host's notification loop
/// skips its other listeners. Every such entry point runs its work through here:
///
///   runAtBoundary([&] { property->setValue(value); });
///
/// An exception the action throws is reported once through the host's message box: a library
/// exception with its own text (none when it has no text), anything else with a generic text.
/// Nothing is rethrown. Returns true when the action finished, false when it threw.
template <class Action>
bool runAtBoundary(Action&& action) noexcept
{
    try {
        std::forward<Action>(action)();
        return true;
    } catch (...) {
        reportAtBoundary(std::current_exception());
        return false;
    }
}

} // namespace quarlin
