#pragma once

#include <cstddef>
#include <string>

namespace corelim {

// A number's decimal digits, for messages.
inline std::u16string Decimal(std::size_t value) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + value % 10));
        value /= 10;
    } while (value != 0);
    return digits;
}

}  // namespace corelim
