#pragma once

#include "referencehost/ReferenceHost.h"

namespace quarlin::hostapp {

// Shows a message the library posted as a modal QMessageBox over the active window, as the
// host's own message dialog does.
void presentInMessageBox(host::HostMessage const& message);

} // namespace quarlin::hostapp
