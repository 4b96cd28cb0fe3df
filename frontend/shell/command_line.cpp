#include "shell.h"

#include <shellapi.h>

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
        const DWORD size = GetFullPathNameW(words[1], 0, nullptr, nullptr);
        std::wstring full(size, L'\0');
        const DWORD length = size ? GetFullPathNameW(words[1], size, full.data(), nullptr) : 0;
        file = length && length < size ? full.substr(0, length) : std::wstring(words[1]);
    }
    LocalFree(words);
    return file;
}

}  // namespace corelim
