#include "system_paths.h"

namespace corelim {

std::u16string OwnPath() {
    return SystemText([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

std::u16string OwnFolder() {
    const std::u16string path = OwnPath();
    return path.substr(0, path.find_last_of(u'\\') + 1);
}

std::u16string SystemFolder() {
    return SystemText([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
}

}  // namespace corelim
