#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "batch_command_line.h"

namespace corelim {

// What the launcher says when it ends without starting the program: one
// line for standard error, and the text of the message box it shows when
// that line would flash by in a console nobody reads (started from Explorer,
// the front end or a shortcut). The box opens with Japanese for the front
// end's users, then gives the same line.
struct FailureReport {
    int status;  // 1: arguments missing, 2: the program was not started
    std::u16string line;
    std::u16string boxText;
};

inline constexpr char16_t kUsageText[] = u"Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]";
inline constexpr std::size_t kMaxCommandLine = 32767;  // CreateProcess's limit, with the null

FailureReport UsageReport();

// `error` is the system's error code for the failed start and `reason` its
// text, as FormatMessage gives it with its inserts (the program fills "%1");
// `commandLineLength` the child's line without the null, which may reach
// kMaxCommandLine after quoting.
FailureReport StartFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason,
                                 std::size_t commandLineLength);

FailureReport BatchRefusalReport(std::u16string_view program, const BatchRefusal& refusal);

// The child was created but could not be resumed, and was ended.
FailureReport ResumeFailureReport(std::u16string_view program, std::u16string_view reason);

// The program needs administrator rights, and the launcher could not run
// itself with them: `error` 1223 (ERROR_CANCELLED) when the user declined.
FailureReport ElevationFailureReport(std::u16string_view program, std::uint32_t error, std::u16string_view reason);

}  // namespace corelim
