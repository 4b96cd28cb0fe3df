#include "shell.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "shortcut_settings.h"
#include "text.h"
#include "wide_text.h"

namespace corelim {

namespace {

// The link path in UTF-16 for IPersistFile::Save. A path that does not fit
// MAX_PATH wide characters fails instead of being cut short, so the link is
// never saved under a truncated name.
HRESULT ToWidePath(const std::string& path, WCHAR (&wide)[MAX_PATH]) {
    if (MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH) == 0) {
        return HRESULT_FROM_WIN32(GetLastError());
    }
    return S_OK;
}

HRESULT SaveLink(const std::string& target, const wchar_t* path, const std::string& arguments,
                 const std::string& workingDirectory, int showCommand, int hotKey) {
    // S_FALSE (already initialised on this thread) also needs its
    // CoUninitialize; a failure leaves CoCreateInstance to report it.
    const HRESULT comInit = CoInitialize(nullptr);

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

    if (SUCCEEDED(comInit)) {
        CoUninitialize();
    }
    return status;
}

}  // namespace

bool CreateShortCut(const std::string& target, const std::string& linkPath,
                    const std::string& arguments, const std::string& workingDirectory,
                    int showCommand, int hotKey) {
    WCHAR widePath[MAX_PATH];
    if (FAILED(ToWidePath(linkPath, widePath))) return false;
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

    const ShortCutTexts meant{ToUtf16(WidenAnsi(target)), ToUtf16(WidenAnsi(arguments)),
                              ToUtf16(WidenAnsi(workingDirectory))};
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
