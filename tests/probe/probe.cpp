// A console program for the end-to-end tests: it records how it was started
// (see probe_record.h) and lingers on request so that tests can watch it.
#include <windows.h>

#include <shellapi.h>

#include <cstdlib>
#include <string>

#include "probe_record.h"
#include "test_text.h"

namespace {

std::vector<std::string> SplitWideCommandLine() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) result.push_back(corelim::test::Utf8(words[i]));
    LocalFree(words);
    return result;
}

// One write per record, appended, so records of probes running at the same
// time do not interleave.
bool AppendToFile(const char* path, const std::string& text) {
    const HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

}  // namespace

int main(int argc, char** argv) {
    corelim::testing::ProbeRecord record;
    wchar_t module[MAX_PATH * 4];
    module[GetModuleFileNameW(nullptr, module, MAX_PATH * 4)] = L'\0';
    record.module = corelim::test::Utf8(module);
    record.processId = GetCurrentProcessId();
    record.commandLine = corelim::test::Utf8(GetCommandLineW());
    record.argv.assign(argv, argv + argc);
    record.wideArgv = SplitWideCommandLine();
    wchar_t directory[MAX_PATH * 4];
    directory[GetCurrentDirectoryW(MAX_PATH * 4, directory)] = L'\0';
    record.currentDirectory = corelim::test::Utf8(directory);
    DWORD_PTR processMask = 0;
    DWORD_PTR systemMask = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask);
    record.processAffinity = static_cast<std::uint32_t>(processMask);

    const char* output = std::getenv("CORELIM_PROBE_OUT");
    if (!output || !AppendToFile(output, corelim::testing::FormatProbeRecord(record))) return 3;
    if (const char* linger = std::getenv("CORELIM_PROBE_LINGER_MS")) Sleep(static_cast<DWORD>(std::atol(linger)));
    return 0;
}
