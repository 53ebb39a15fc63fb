#pragma once

#include <cstdint>

#if !defined(_MSC_VER) && !defined(__int64)
/// The host's 64-bit whole number: its interfaces speak of 64-bit indices as __int64, a name
/// only some compilers know.
using __int64 = std::int64_t;
#endif
