// A console program for the end-to-end tests: it records how it was started
// (see probe_record.h) and stays running on request so that tests can watch
// it.
#include <windows.h>

#include <string>

#include "probe_record.h"
#include "test_text.h"
#include "wait_for.h"

// msvcrt's splitter, which no header declares; its last argument points to
// the startup information, whose only member is the new-handler mode.
extern "C" int __cdecl __wgetmainargs(int* argc, wchar_t*** argv, wchar_t*** environment, int expandWildcards,
                                      int* startupInfo);

namespace {

// The C runtime's own split of the UTF-16 command line, as a wmain program
// gets it: the reference for what a program receives.
std::vector<std::string> SplitWideCommandLine() {
    int count = 0;
    wchar_t** words = nullptr;
    wchar_t** environment = nullptr;
    int newMode = 0;
    __wgetmainargs(&count, &words, &environment, 0, &newMode);
    std::vector<std::string> result;
    for (int i = 0; i < count; ++i) result.push_back(corelim::test::Utf8(words[i]));
    return result;
}

// One write per record, appended, so records of probes running at the same
// time do not interleave.
bool AppendToFile(const std::wstring& path, const std::string& text) {
    const HANDLE file = CreateFileW(path.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    DWORD written = 0;
    const BOOL ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(file);
    return ok && written == text.size();
}

std::wstring Variable(const wchar_t* name) {
    std::wstring value(32767, L'\0');
    value.resize(GetEnvironmentVariableW(name, value.data(), static_cast<DWORD>(value.size())));
    return value;
}

}  // namespace

int main(int argc, char** argv) {
    corelim::test::ProbeRecord record;
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

    // An elevated rerun gets the user's own environment, not the test's: a
    // probe without CORELIM_PROBE_OUT records into "<first argument>.txt"
    // beside itself, the test's token naming the file.
    std::wstring output = Variable(L"CORELIM_PROBE_OUT");
    if (output.empty() && argc > 1) {
        output = module;
        output = output.substr(0, output.find_last_of(L'\\') + 1) + corelim::Widen(argv[1], CP_ACP) + L".txt";
    }
    if (output.empty() || !AppendToFile(output, corelim::test::FormatProbeRecord(record))) return 3;
    // Five minutes at most: a test that dies before it deletes the file
    // leaves no probe behind for good.
    if (const std::wstring hold = Variable(L"CORELIM_PROBE_HOLD"); !hold.empty()) {
        corelim::test::WaitFor([&] { return GetFileAttributesW(hold.c_str()) == INVALID_FILE_ATTRIBUTES; },
                               5 * 60 * 1000);
    }
    return 0;
}
