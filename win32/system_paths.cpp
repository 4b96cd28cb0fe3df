#include "system_paths.h"

namespace corelim {

std::u16string OwnPath() {
    return SystemText([](wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); });
}

std::u16string SystemFolder() {
    return SystemText([](wchar_t* buffer, DWORD size) { return GetSystemDirectoryW(buffer, size); });
}

}  // namespace corelim
