#include "staging.h"

#include "wait_for.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>

namespace corelim::test {

void CopyOrDie(const std::wstring& source, const std::wstring& destination) {
    if (!CopyFileW(source.c_str(), destination.c_str(), FALSE)) {
        std::fprintf(stderr, "cannot copy a test file (error %lu)\n", GetLastError());
        std::abort();
    }
    // A copy from a zip that Explorer unpacked carries the mark of the web,
    // and Windows would ask before starting it: the tests' own files are
    // trusted.
    DeleteFileW((destination + L":Zone.Identifier").c_str());
}

StagedFolder InstallFrontEnd(const std::wstring& label, bool withLauncher) {
    StagedFolder folder(label);
    CopyOrDie(FromBuildTree(CORELIM_GUI_EXE), folder.Path() + L"\\CorelimGUI.exe");
    if (withLauncher) CopyOrDie(FromBuildTree(CORELIM_LAUNCHER_EXE), folder.Path() + L"\\Corelim.exe");
    return folder;
}

ProbeProgram::ProbeProgram()
    : folder_(GetACP() == 932 ? L"Tools 表" : L"Café Tools"),
      records_(L"records"),
      path_(folder_.Path() + L"\\run.exe"),
      output_(records_.Path() + L"\\probe.txt") {
    CopyOrDie(FromBuildTree(CORELIM_PROBE_EXE), path_);
    SetEnvironmentVariableW(L"CORELIM_PROBE_OUT", output_.c_str());
}

std::wstring ProbeProgram::CopyTo(const std::wstring& folderLabel, const std::wstring& fileName) {
    const std::wstring copy = copies_.emplace_back(folderLabel).Path() + L"\\" + fileName;
    CopyOrDie(path_, copy);
    return copy;
}

std::vector<corelim::test::ProbeRecord> ProbeProgram::Records() const {
    return corelim::test::ReadProbeRecords(output_);
}

bool ProbeProgram::WaitForRecords(size_t count, std::vector<corelim::test::ProbeRecord>& records) const {
    return WaitFor([&] { return (records = Records()).size() >= count; });
}

}  // namespace corelim::test
