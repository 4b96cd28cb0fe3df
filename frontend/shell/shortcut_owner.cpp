#include "shell.h"

namespace corelim {

std::optional<FileAtLink> FindFileAtLink(const std::u16string& linkPath, const std::u16string& launcherPath) {
    const std::optional<FileStamp> stamp = GetFileStamp(linkPath);
    if (!stamp) return std::nullopt;
    const ShortCutContents link = ReadShortCut(linkPath);
    return FileAtLink{*stamp, SUCCEEDED(link.status) && IsSameFile(link.texts.target, launcherPath)};
}

}  // namespace corelim
