#pragma once

#include <cstdint>
#include <string>

namespace corelim {

// The system's text for an error code, without the line break and blanks it
// ends with; empty when the system has none, for each program to say in its
// own words ("error 1234", "システム エラー 1234").
std::u16string SystemMessage(std::uint32_t code);

}  // namespace corelim
