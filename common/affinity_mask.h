#pragma once

#include <cstdint>
#include <string_view>

namespace corelim {

// Converts the mask argument by the C runtime's atol rules: leading white
// space (the C locale's six blanks) skipped, an optional sign, then ASCII
// decimal digits up to the first other character. Text without leading
// digits gives 0; "0x3" gives 0; "15abc" gives 15.
//
// The result is the 32-bit pattern of the number: -2147483648 to
// 4294967295 give their two's-complement bits, so 2147483648 and
// -2147483648 both select CPU 31 alone, and 4294967295 and -1 all 32.
// Anything beyond that range asks for more processors than a mask can name
// and selects all 32, rather than wrapping or clamping into an unrelated set.
std::uint32_t ParseAffinityMask(std::u16string_view text);

}  // namespace corelim
