#include "shell.h"

#include <shellapi.h>

#include "command_line_words.h"
#include "wide_text.h"

namespace corelim {

std::optional<std::wstring> GetFileArgument() {
    // Most starts pass no file: then shell32, which splits the line, stays
    // unloaded.
    if (ArgumentsAfterProgramName(AsUtf16(GetCommandLineW())).empty()) return std::nullopt;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return std::nullopt;
    std::optional<std::wstring> file;
    if (count >= 2) {
        // A script may name the file relative to where it started the
        // window; the fields need the full path, which the launcher and a
        // shortcut resolve from elsewhere.
        const std::wstring full = GetFullPath(words[1]);
        file = full.empty() ? std::wstring(words[1]) : full;
    }
    LocalFree(words);
    return file;
}

}  // namespace corelim
