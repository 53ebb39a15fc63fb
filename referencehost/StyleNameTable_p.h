#pragma once

#include <string>

namespace quarlin::toolbox::detail {

// Every style name the host has seen gets one id for the life of the process, as a host's macro
// table does. Ids start at 1; -1 closes an id list.
int styleNameId(std::string const& name);
// Null for an id never handed out.
std::string const* styleNameText(int id);

} // namespace quarlin::toolbox::detail
