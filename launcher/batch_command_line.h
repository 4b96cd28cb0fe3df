#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corelim {

// Whether Windows runs the program through cmd.exe: its name ends in .bat or
// .cmd, in any case, once the trailing dots and blanks that Windows ignores
// in file names are dropped ("run.bat." and "run.bat " are run.bat). Ask it
// of the file's full path, which also settles "run.bat\." and the like.
bool IsBatchFile(std::u16string_view program);

// cmd.exe takes no longer command line than this, in characters.
inline constexpr std::size_t kMaxCmdLine = 8191;

// Why a batch file is not started: what cmd.exe would make of one of its
// arguments (position 1 for %1, and so on; 0 for the file's own path).
struct BatchRefusal {
    std::size_t position;
    enum class Reason { LineBreak, QuoteInPath, TooLong } reason;
    std::size_t length = 0;  // TooLong: the command line's length
};

// The command line that has cmd.exe run `script` with `arguments`, each of
// which reaches the batch file as one argument (%1, %2, ...) with nothing of
// it read as cmd.exe's syntax; or why that cannot be done. `script` is the
// file's full path, as cmd.exe would search for a bare name elsewhere than
// CreateProcess does. Starting the line needs cmd.exe as the application.
std::variant<std::u16string, BatchRefusal> BuildBatchCommandLine(
    std::u16string_view script, const std::vector<std::u16string_view>& arguments);

}  // namespace corelim
