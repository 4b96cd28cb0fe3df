#include "shell.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include "com_scope.h"
#include "wide_text.h"

namespace corelim {

ShortCutContents ReadShortCut(const std::u16string& linkPath) {
    const ComScope com;
    ShortCutContents contents{};
    IShellLinkW* link = nullptr;
    IPersistFile* file = nullptr;
    contents.status = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW,
                                       reinterpret_cast<void**>(&link));
    if (SUCCEEDED(contents.status)) {
        contents.status = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    }
    if (SUCCEEDED(contents.status)) contents.status = file->Load(AsWide(linkPath), STGM_READ);
    if (SUCCEEDED(contents.status)) {
        // The item ID list holds the target exactly; GetPath may give a
        // name narrowed through the ANSI code page, and gives none for
        // targets outside the file system.
        LPITEMIDLIST idList = nullptr;
        wchar_t path[MAX_PATH] = L"";
        if (SUCCEEDED(link->GetIDList(&idList)) && idList && SHGetPathFromIDListW(idList, path)) {
            contents.texts.target = AsUtf16(path);
        }
        CoTaskMemFree(idList);
        // Windows keeps up to 32767 characters of arguments in a link; the
        // folder gets as much room, so that neither is read cut short.
        std::wstring text(32768, L'\0');
        const int size = static_cast<int>(text.size());
        if (SUCCEEDED(link->GetArguments(text.data(), size))) contents.texts.arguments = AsUtf16(text.c_str());
        if (SUCCEEDED(link->GetWorkingDirectory(text.data(), size))) {
            contents.texts.workingDirectory = AsUtf16(text.c_str());
        }
    }
    if (file) file->Release();
    if (link) link->Release();
    return contents;
}

}  // namespace corelim
