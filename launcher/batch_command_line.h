#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace corelim {

// Whether Windows runs the program through cmd.exe: its name ends in .bat or
// .cmd, in any case, once the trailing dots and blanks that Windows ignores
// in file names are dropped ("run.bat." and "run.bat " are run.bat).
bool IsBatchFile(std::u16string_view program);

// Why a batch file is not started: what cmd.exe would make of one of its
// arguments (position 1 for %1, and so on; 0 for the file's own path).
struct BatchRefusal {
    std::size_t position;
    enum class Reason { LineBreak, QuoteInPath } reason;
};

// The command line that has cmd.exe run `script` with `arguments`, each of
// which reaches the batch file as one argument (%1, %2, ...) with nothing of
// it read as cmd.exe's syntax; or why that cannot be done. Starting it needs
// cmd.exe as the application name.
std::variant<std::u16string, BatchRefusal> BuildBatchCommandLine(
    std::u16string_view script, const std::vector<std::u16string_view>& arguments);

}  // namespace corelim
