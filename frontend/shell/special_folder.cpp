#include "shell.h"

#include <shlobj.h>

namespace corelim {

std::string GetSpecialFolderPath(HWND owner, int csidl) {
    LPITEMIDLIST idList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(owner, csidl, &idList))) {
        return std::string();
    }
    char path[MAX_PATH] = "";
    // Virtual folders have no file-system path; the call fails for them.
    const BOOL found = SHGetPathFromIDListA(idList, path);
    CoTaskMemFree(idList);
    return found ? std::string(path) : std::string();
}

}  // namespace corelim
