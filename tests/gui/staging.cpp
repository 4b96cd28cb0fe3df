#include "staging.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace corelim::test {

std::wstring FromBuildTree(const char* unixPath) {
    std::wstring path = L"Z:" + WidenAnsi(unixPath);
    for (wchar_t& c : path) {
        if (c == L'/') c = L'\\';
    }
    return path;
}

std::wstring MakeFreshFolder(const std::wstring& label) {
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring folder = std::wstring(temp) + L"corelim-" + std::to_wstring(GetCurrentProcessId()) + L"-" +
                                std::to_wstring(GetTickCount64()) + L"-" + label;
    if (!CreateDirectoryW(folder.c_str(), nullptr)) {
        std::fprintf(stderr, "cannot create a test folder (error %lu)\n", GetLastError());
        std::abort();
    }
    return folder;
}

void CopyOrDie(const std::wstring& source, const std::wstring& destination) {
    if (!CopyFileW(source.c_str(), destination.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy a test file (error %lu)\n", GetLastError());
        std::abort();
    }
}

std::wstring InstallFrontEnd(const std::wstring& label, bool withLauncher) {
    const std::wstring folder = MakeFreshFolder(label);
    CopyOrDie(FromBuildTree(CORELIM_GUI_EXE), folder + L"\\CorelimGUI.exe");
    if (withLauncher) CopyOrDie(FromBuildTree(CORELIM_LAUNCHER_EXE), folder + L"\\Corelim.exe");
    return folder;
}

std::wstring WidenAnsi(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

}  // namespace corelim::test
