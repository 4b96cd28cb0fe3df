#include "shell.h"

#include "ascii_text.h"
#include "wide_text.h"

namespace corelim {

std::optional<FileStamp> OtherShortCutAt(const std::wstring& linkPath, const std::wstring& launcherPath) {
    WIN32_FILE_ATTRIBUTE_DATA file;
    if (!GetFileAttributesExW(linkPath.c_str(), GetFileExInfoStandard, &file)) return std::nullopt;
    const ShortCutContents link = ReadShortCut(linkPath);
    if (SUCCEEDED(link.status) && EqualsAsciiNoCase(ToUtf16(link.target), ToUtf16(launcherPath))) return std::nullopt;
    const auto wide = [](DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; };
    return FileStamp{wide(file.nFileSizeHigh, file.nFileSizeLow),
                     wide(file.ftLastWriteTime.dwHighDateTime, file.ftLastWriteTime.dwLowDateTime)};
}

}  // namespace corelim
