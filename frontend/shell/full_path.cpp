#include "shell.h"
#include "system_paths.h"
#include "wide_text.h"

namespace corelim {

std::wstring GetFullPath(const std::wstring& path) {
    return FromUtf16(
        SystemText([&](wchar_t* buffer, DWORD size) { return GetFullPathNameW(path.c_str(), size, buffer, nullptr); }));
}

}  // namespace corelim
