#pragma once

#include <cstdint>

namespace corelim {

// Converts the mask argument by the C runtime's atol rules: leading white
// space skipped, an optional sign, then decimal digits up to the first
// non-digit. Text without leading digits gives 0; "0x3" gives 0.
// Out-of-range values saturate to INT32_MIN/INT32_MAX, as strtol does,
// instead of wrapping into an unrelated processor set.
std::int32_t ParseAffinityMask(const char* text);

}  // namespace corelim
