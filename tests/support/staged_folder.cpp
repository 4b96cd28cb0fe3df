#include "staged_folder.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "test_text.h"
#include "wait_for.h"

namespace corelim::test {

bool RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (find != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            const bool isFolder = entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY;
            // A link's attributes would be set on its target.
            const bool isLink = entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT;
            if (!isLink) SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (!isFolder) {
                DeleteFileW(path.c_str());
            } else if (isLink) {
                RemoveDirectoryW(path.c_str());
            } else {
                RemoveTree(path);
            }
        } while (FindNextFileW(find, &entry));
        FindClose(find);
    }
    return RemoveDirectoryW(folder.c_str()) || GetLastError() == ERROR_FILE_NOT_FOUND ||
           GetLastError() == ERROR_PATH_NOT_FOUND;
}

std::wstring LongTempPath() {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    wchar_t spelled[MAX_PATH];
    const DWORD length = GetLongPathNameW(temp, spelled, MAX_PATH);
    return length && length < MAX_PATH ? spelled : temp;
}

std::wstring StagedFolderStart(DWORD processId) {
    return LongTempPath() + L"corelim-" + std::to_wstring(processId) + L"-";
}

StagedFolder::StagedFolder(const std::wstring& label) {
    // The count tells apart folders of one label staged within one tick.
    static LONG staged = 0;
    path_ = StagedFolderStart(GetCurrentProcessId()) + std::to_wstring(GetTickCount64()) + L"-" +
            std::to_wstring(InterlockedIncrement(&staged)) + L"-" + label;
    if (!CreateDirectoryW(path_.c_str(), nullptr)) {
        std::fprintf(stderr, "cannot create the test folder %s (error %lu)\n", Utf8(path_).c_str(), GetLastError());
        std::abort();
    }
}

StagedFolder::StagedFolder(StagedFolder&& other) noexcept : path_(std::exchange(other.path_, std::wstring())) {}

// A program the test started from the folder may take a while to end,
// longer under emulation.
StagedFolder::~StagedFolder() {
    if (path_.empty()) return;
    if (!WaitFor([&] { return RemoveTree(path_); })) {
        std::fprintf(stderr, "cannot remove the test folder %s (error %lu): a program started from it may still run\n",
                     Utf8(path_).c_str(), GetLastError());
    }
}

}  // namespace corelim::test
