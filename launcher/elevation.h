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

// What follows the program name on a command line, as the C runtime reads
// it: a name that starts with a quote ends at the next quote, any other at
// the first blank or tab; the blanks and tabs after it only separate. Run
// again with this after its own path, the launcher splits the same
// arguments.
std::u16string_view ArgumentsAfterProgramName(std::u16string_view commandLine);

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
