#include "shell.h"

#include <shellapi.h>

namespace corelim {

std::optional<std::wstring> GetFileArgument() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!words) return std::nullopt;
    std::optional<std::wstring> file;
    if (count >= 2) file = words[1];
    LocalFree(words);
    return file;
}

}  // namespace corelim
