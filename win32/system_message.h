#pragma once

#include <cstdint>
#include <string>

namespace corelim {

// The system's text for an error code, without the line break and blanks it
// ends with; "error N" when the system has no text for it, so that a report
// always names the failure.
std::u16string SystemMessage(std::uint32_t code);

}  // namespace corelim
