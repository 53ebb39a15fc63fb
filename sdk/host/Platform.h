#pragma once

#include <cstdint>

// The host's interfaces speak of 64-bit indices as __int64, a name only some compilers know.
#if !defined(_MSC_VER) && !defined(__int64)
using __int64 = std::int64_t;
#endif
