#include "shell.h"

#include "ascii_text.h"
#include "wide_text.h"

namespace corelim {

namespace {

std::optional<BY_HANDLE_FILE_INFORMATION> GetFileInformation(const std::u16string& path) {
    // Attributes only, every sharing allowed and folders too: whoever holds
    // the file open, and whatever it is, it can be looked at.
    const HANDLE file = CreateFileW(AsWide(path), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    BY_HANDLE_FILE_INFORMATION information;
    const bool read = GetFileInformationByHandle(file, &information);
    CloseHandle(file);
    if (!read) return std::nullopt;
    return information;
}

std::uint64_t Wide(DWORD high, DWORD low) { return std::uint64_t{high} << 32 | low; }

}  // namespace

std::optional<FileStamp> GetFileStamp(const std::u16string& path) {
    const auto file = GetFileInformation(path);
    if (!file) return std::nullopt;
    return FileStamp{file->dwVolumeSerialNumber, Wide(file->nFileIndexHigh, file->nFileIndexLow),
                     Wide(file->nFileSizeHigh, file->nFileSizeLow),
                     Wide(file->ftLastWriteTime.dwHighDateTime, file->ftLastWriteTime.dwLowDateTime)};
}

bool IsSameFile(const std::u16string& a, const std::u16string& b) {
    const auto first = GetFileInformation(a);
    const auto second = first ? GetFileInformation(b) : std::nullopt;
    if (!second) return EqualsAsciiNoCase(a, b);
    return first->dwVolumeSerialNumber == second->dwVolumeSerialNumber &&
           first->nFileIndexHigh == second->nFileIndexHigh && first->nFileIndexLow == second->nFileIndexLow;
}

}  // namespace corelim
