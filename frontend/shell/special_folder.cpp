#include "shell.h"

#include <shlobj.h>

namespace corelim {

std::wstring GetSpecialFolderPath(HWND owner, int csidl) {
    LPITEMIDLIST idList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &idList))) {
        return std::wstring();
    }
    wchar_t path[MAX_PATH] = L"";
    // Virtual folders have no file-system path; the call fails for them.
    const BOOL found = SHGetPathFromIDListW(idList, path);
    CoTaskMemFree(idList);
    return found ? std::wstring(path) : std::wstring();
}

std::wstring GetOwnFolder() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace corelim
