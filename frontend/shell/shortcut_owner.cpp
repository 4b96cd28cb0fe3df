#include "shell.h"

#include "launch_parameters.h"

namespace corelim {

bool HoldsOtherShortCut(const std::wstring& linkPath) {
    if (GetFileAttributesW(linkPath.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    const ShortCutContents link = ReadShortCut(linkPath);
    // wchar_t is UTF-16 on Windows.
    const std::u16string_view target(reinterpret_cast<const char16_t*>(link.target.c_str()), link.target.size());
    return FAILED(link.status) || !IsLauncherPath(target);
}

}  // namespace corelim
