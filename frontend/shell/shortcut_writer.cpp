#include "shell.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "shortcut_settings.h"

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

}  // namespace

bool CreateShortCut(const std::string& target, const std::string& linkPath,
                    const std::string& arguments, const std::string& workingDirectory,
                    int showCommand, int hotKey) {
    // S_FALSE (already initialised on this thread) also needs its
    // CoUninitialize; a failure leaves CoCreateInstance to report it.
    const HRESULT comInit = CoInitialize(nullptr);

    IShellLinkA* link = nullptr;
    HRESULT status = CoCreateInstance(CLSID_ShellLink, nullptr,
                                      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_IShellLinkA,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(status)) {
        // A rejected setting leaves its default in the link; only saving decides.
        link->SetPath(target.c_str());
        link->SetArguments(arguments.c_str());
        link->SetWorkingDirectory(workingDirectory.c_str());
        link->SetShowCmd(showCommand);
        link->SetHotkey(ShortCutHotKey(hotKey));

        IPersistFile* file = nullptr;
        status = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(status)) {
            WCHAR widePath[MAX_PATH];
            status = ToWidePath(linkPath, widePath);
            if (SUCCEEDED(status)) {
                status = file->Save(widePath, TRUE);
            }
            file->Release();
        }
        link->Release();
    }

    if (SUCCEEDED(comInit)) {
        CoUninitialize();
    }
    return SUCCEEDED(status);
}

bool SaveShortCut(const LaunchRequest& request) {
    if (!IsUsableLinkPath(request.LinkPath)) {
        return false;
    }
    return CreateShortCut(request.LauncherPath, request.LinkPath, request.Parameters,
                          request.WorkingDirectory, kShortCutShowCommand, kShortCutHotKey);
}

}  // namespace corelim
