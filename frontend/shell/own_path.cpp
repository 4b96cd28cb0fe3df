#include "shell.h"

namespace corelim {

std::wstring GetOwnPath() {
    std::wstring path(MAX_PATH, L'\0');
    DWORD length;
    while ((length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()))) == path.size()) {
        path.resize(path.size() * 2);
    }
    path.resize(length);
    return path;
}

std::wstring GetOwnFolder() {
    const std::wstring path = GetOwnPath();
    return path.substr(0, path.find_last_of(L'\\') + 1);
}

}  // namespace corelim
