#include "shell.h"

#include "launch_parameters.h"
#include "wide_text.h"

namespace corelim {

bool HoldsOtherShortCut(const std::wstring& linkPath) {
    if (GetFileAttributesW(linkPath.c_str()) == INVALID_FILE_ATTRIBUTES) return false;
    const ShortCutContents link = ReadShortCut(linkPath);
    return FAILED(link.status) || !IsLauncherPath(ToUtf16(link.target));
}

}  // namespace corelim
