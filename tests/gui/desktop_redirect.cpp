#include "desktop_redirect.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

#include "staged_folder.h"

namespace corelim::test {

namespace {

constexpr wchar_t kUserShellFolders[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";

}  // namespace

DesktopRedirect::DesktopRedirect(const std::wstring& folder) {
    wchar_t saved[MAX_PATH * 2] = {};
    DWORD size = sizeof saved;
    RegGetValueW(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop", RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND,
                 nullptr, saved, &size);
    saved_ = saved;
    // A run that was killed mid-test leaves its folder behind in the value,
    // gone or not yet: a folder under Temp is never the user's own, so the
    // user's usual desktop goes back instead of that.
    wchar_t expanded[MAX_PATH * 2] = {};
    ExpandEnvironmentStringsW(saved_.c_str(), expanded, MAX_PATH * 2);
    wchar_t spelled[MAX_PATH * 2] = {};
    GetLongPathNameW(expanded, spelled, MAX_PATH * 2);
    const std::wstring temp = LongTempPath();
    if (saved_.empty() || GetFileAttributesW(expanded) == INVALID_FILE_ATTRIBUTES ||
        CompareStringOrdinal(spelled, static_cast<int>(std::min(wcslen(spelled), temp.size())), temp.c_str(),
                             static_cast<int>(temp.size()), TRUE) == CSTR_EQUAL) {
        saved_ = L"%USERPROFILE%\\Desktop";
    }
    PointAt(folder);
}

DesktopRedirect::~DesktopRedirect() { PointAt(saved_); }

void DesktopRedirect::PointAt(const std::wstring& folder) const {
    RegSetKeyValueW(HKEY_CURRENT_USER, kUserShellFolders, L"Desktop", REG_EXPAND_SZ, folder.c_str(),
                    static_cast<DWORD>((folder.size() + 1) * sizeof(wchar_t)));
}

}  // namespace corelim::test
