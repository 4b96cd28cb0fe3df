#include "shell.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "com_scope.h"
#include "shortcut_settings.h"
#include "wide_text.h"

namespace corelim {

namespace {

HRESULT SaveLink(const std::string& target, const wchar_t* path, const std::string& arguments,
                 const std::string& workingDirectory, int showCommand, int hotKey) {
    const ComScope com;
    IShellLinkA* link = nullptr;
    HRESULT status = CoCreateInstance(CLSID_ShellLink, nullptr,
                                      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(status)) {
        // A rejected setting leaves its default in the link; reading the
        // link back decides.
        link->SetPath(target.c_str());
        link->SetArguments(arguments.c_str());
        link->SetWorkingDirectory(workingDirectory.c_str());
        link->SetShowCmd(showCommand);
        link->SetHotkey(ShortCutHotKey(hotKey));

        IPersistFile* file = nullptr;
        status = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(status)) {
            status = file->Save(path, TRUE);
            file->Release();
        }
        link->Release();
    }
    return status;
}

}  // namespace

bool CreateShortCut(const std::string& target, const std::string& linkPath,
                    const std::string& arguments, const std::string& workingDirectory,
                    int showCommand, int hotKey) {
    // A path that does not fit MAX_PATH wide characters fails instead of
    // being cut short, so the link is never saved under a truncated name.
    const std::wstring widePath = Widen(linkPath, CP_ACP);
    if (widePath.size() >= MAX_PATH) return false;
    // IPersistFile::Save writes over a file in place: a save that stops
    // halfway (a full disk, which Wine even reports as success) would leave
    // neither the old link nor a whole new one. So the link is saved under a
    // temporary name beside its place, read back, and only then put in the
    // place in one step. The name ends in ".tmp", so that one a crash leaves
    // behind passes for no link.
    const std::wstring link = GetFullPath(widePath);
    const std::wstring folder = link.substr(0, link.find_last_of(L'\\') + 1);
    WCHAR temporary[MAX_PATH];
    if (folder.empty() || GetTempFileNameW(folder.c_str(), L"~cl", 0, temporary) == 0) return false;

    const ShortCutTexts meant{Widen<std::u16string>(target, CP_ACP), Widen<std::u16string>(arguments, CP_ACP),
                              Widen<std::u16string>(workingDirectory, CP_ACP)};
    bool saved = SUCCEEDED(SaveLink(target, temporary, arguments, workingDirectory, showCommand, hotKey));
    if (saved) {
        const ShortCutContents read = ReadShortCut(temporary);
        saved = SUCCEEDED(read.status) &&
                ReadBackMatches({ToUtf16(read.target), ToUtf16(read.arguments), ToUtf16(read.workingDirectory)}, meant) &&
                MoveFileExW(temporary, link.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    }
    if (!saved) DeleteFileW(temporary);
    return saved;
}

bool SaveShortCut(const LaunchRequest& request) {
    if (!IsUsableLinkPath(request.LinkPath)) {
        return false;
    }
    return CreateShortCut(request.LauncherPath, request.LinkPath, request.Parameters,
                          request.WorkingDirectory, kShortCutShowCommand, kShortCutHotKey);
}

}  // namespace corelim
