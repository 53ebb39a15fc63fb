#include "sdk/host/AppLock.h"

#include "referencehost/ReferenceHost.h"

namespace quarlin::sdk {

AppLock::AppLock(ImplicitMacroRecording_e recording)
    : m_recording(recording)
{
    host::ReferenceHost::instance().acquireLock(m_recording == ImplicitMacroRecording_On);
}

AppLock::~AppLock()
{
    host::ReferenceHost::instance().releaseLock();
}

bool AppLock::isHeld()
{
    return host::ReferenceHost::instance().lockDepth() > 0;
}

} // namespace quarlin::sdk
