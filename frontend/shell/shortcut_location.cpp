#include "shell.h"

#include "wide_text.h"

namespace corelim {

std::optional<LinkLocation> LocateShortCut(const LaunchRequest& request, const std::string& desktop) {
    if (!IsUsableLinkPath(request.LinkPath)) return std::nullopt;
    const std::u16string path = ToUtf16(GetFullPath(Widen(request.LinkPath, CP_ACP)));
    // The shell saves and loads links through MAX_PATH buffers: a longer
    // path would fail, or be cut short into another name.
    if (path.empty() || path.size() >= MAX_PATH) return std::nullopt;
    return LinkLocation{path, PlaceLink(path, AsUtf16(GetFullPath(Widen(desktop, CP_ACP))))};
}

}  // namespace corelim
