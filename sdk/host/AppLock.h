#pragma once

#include "quarlin_host_export.h"

namespace quarlin::sdk {

enum ImplicitMacroRecording_e { ImplicitMacroRecording_Off = 0, ImplicitMacroRecording_On = 1 };

/// Scoped lock on the host: while one lives, the host treats the calls made as one group made
/// on the user's behalf. Locks nest; the host is unlocked when the outermost one dies.
class QUARLIN_HOST_EXPORT AppLock
{
public:
    /// Takes the lock; `recording` asks the host to record the group as one macro step.
    explicit AppLock(ImplicitMacroRecording_e recording = ImplicitMacroRecording_Off);
    ~AppLock();

    AppLock(AppLock const&) = delete;
    AppLock& operator=(AppLock const&) = delete;

    /// Whether any lock is held: the host is in the middle of a group of calls.
    static bool isHeld();

private:
    ImplicitMacroRecording_e m_recording;
};

} // namespace quarlin::sdk
