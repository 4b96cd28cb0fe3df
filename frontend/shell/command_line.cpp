#include "shell.h"

#include <shellapi.h>

#include "system_paths.h"
#include "wide_text.h"

namespace corelim {

std::optional<std::wstring> GetFileArgument() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return std::nullopt;
    std::optional<std::wstring> file;
    if (count >= 2) {
        // A script may name the file relative to where it started the
        // window; the fields need the full path, which the launcher and a
        // shortcut resolve from elsewhere.
        const std::u16string full = SystemText(
            [&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(words[1], size, buffer, nullptr); });
        file = full.empty() ? std::wstring(words[1]) : FromUtf16(full);
    }
    LocalFree(words);
    return file;
}

}  // namespace corelim
