#include "shell.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "com_scope.h"
#include "shortcut_settings.h"
#include "wide_text.h"

namespace corelim {

bool CreateShortCut(const std::string& target, const std::string& linkPath,
                    const std::string& arguments, const std::string& workingDirectory,
                    int showCommand, int hotKey) {
    const ComScope com;
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
            // A path that does not fit MAX_PATH wide characters fails
            // instead of being cut short, so the link is never saved under a
            // truncated name.
            const std::wstring widePath = Widen(linkPath, CP_ACP);
            status = widePath.size() < MAX_PATH ? file->Save(widePath.c_str(), TRUE)
                                                : HRESULT_FROM_WIN32(ERROR_FILENAME_EXCED_RANGE);
            file->Release();
        }
        link->Release();
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
