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

}  // namespace corelim
