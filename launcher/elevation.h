#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <variant>

#include "failure_report.h"

namespace corelim {

// CreateProcess refuses a program that needs administrator rights when the
// caller lacks them.
inline constexpr std::uint32_t kElevationRequired = 740;  // ERROR_ELEVATION_REQUIRED

// The launcher runs itself again with administrator rights.
struct RerunElevated {};

// What the launcher does when creating the child failed with `error`
// (`reason` the system's text for it): a program that needs administrator
// rights starts through a rerun with them, unless this launcher has them
// already and a rerun would only fail again; every other failure is
// reported as before.
std::variant<RerunElevated, FailureReport> AfterFailedStart(std::u16string_view program, std::uint32_t error,
                                                          std::u16string_view reason, std::size_t commandLineLength,
                                                          bool elevated);

}  // namespace corelim
