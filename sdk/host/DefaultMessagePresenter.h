#pragma once

#include "sdk/host/ReferenceHost.h"

namespace quarlin::host {

// A modal QMessageBox while a widget application runs, stderr otherwise (a batch host).
void presentMessageByDefault(HostMessage const& message);

} // namespace quarlin::host
