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

std::wstring ProbeProgram::CopyTo(const std::wstring& folderLabel, const std::wstring& fileName) const {
    const std::wstring copy = MakeFreshFolder(folderLabel) + L"\\" + fileName;
    CopyOrDie(path_, copy);
    return copy;
}

std::vector<corelim::testing::ProbeRecord> ProbeProgram::Records() const {
    return corelim::testing::ReadProbeRecords(NarrowAnsi(output_));
}

bool ProbeProgram::WaitForRecords(size_t count, std::vector<corelim::testing::ProbeRecord>& records) const {
    return WaitFor([&] { return (records = Records()).size() >= count; });
}

}  // namespace corelim::test
