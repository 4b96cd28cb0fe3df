#include "staging.h"

#include "gui_driver.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace corelim::test {

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

ProbeProgram::ProbeProgram()
    : folder_(MakeFreshFolder(GetACP() == 932 ? L"Tools 表" : L"Café Tools")),
      path_(folder_ + L"\\run.exe"),
      output_(MakeFreshFolder(L"records") + L"\\probe.txt") {
    CopyOrDie(FromBuildTree(CORELIM_PROBE_EXE), path_);
    SetEnvironmentVariableW(L"CORELIM_PROBE_OUT", output_.c_str());
}

std::vector<corelim::testing::ProbeRecord> ProbeProgram::Records() const {
    char path[MAX_PATH * 3];
    WideCharToMultiByte(CP_ACP, 0, output_.c_str(), -1, path, sizeof path, nullptr, nullptr);
    return corelim::testing::ReadProbeRecords(path);
}

bool ProbeProgram::WaitForRecords(size_t count, std::vector<corelim::testing::ProbeRecord>& records) const {
    return WaitFor([&] { return (records = Records()).size() >= count; });
}

std::wstring WidenAnsi(const std::string& text) {
    std::wstring wide(text.size(), L'\0');
    wide.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), wide.data(), static_cast<int>(wide.size()))));
    return wide;
}

std::string NarrowAnsi(const std::wstring& text) {
    std::string narrow(text.size() * 2, '\0');
    narrow.resize(static_cast<size_t>(WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()),
                                                          narrow.data(), static_cast<int>(narrow.size()), nullptr,
                                                          nullptr)));
    return narrow;
}

}  // namespace corelim::test
