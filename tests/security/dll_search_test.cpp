// The search restriction under Wine: a DLL planted beside a program, which
// Wine is told to prefer, is loaded by name without it and skipped with it.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "staging.h"

namespace corelim::test {
namespace {

// Runs the child with `mode` and returns what it printed.
std::string RunChild(const std::wstring& exe, const wchar_t* mode) {
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE read = nullptr, write = nullptr;
    CreatePipe(&read, &write, &inherit, 0);
    SetHandleInformation(read, HANDLE_FLAG_INHERIT, 0);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = write;
    startup.hStdError = write;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + exe + L"\" " + mode;
    if (!CreateProcessW(exe.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup,
                        &process)) {
        return "(not started)";
    }
    CloseHandle(write);
    std::string output;
    char buffer[512];
    DWORD got = 0;
    while (ReadFile(read, buffer, sizeof buffer, &got, nullptr) && got) output.append(buffer, got);
    WaitForSingleObject(process.hProcess, INFINITE);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    CloseHandle(read);
    while (!output.empty() && (output.back() == '\n' || output.back() == '\r')) output.pop_back();
    return output;
}

TEST(DllSearch, ARestrictedProgramSkipsTheDllPlantedInItsFolder) {
    const StagedFolder staged(L"downloads");
    const std::wstring& folder = staged.Path();
    const std::wstring exe = folder + L"\\child.exe";
    CopyOrDie(FromBuildTree(CORELIM_DLL_SEARCH_CHILD), exe);
    CopyOrDie(FromBuildTree(CORELIM_PLANTED_DLL), folder + L"\\dwmapi.dll");

    const std::string planted = NarrowAnsiLossy(folder) + "\\dwmapi.dll";
    // Without the restriction the plant is taken: the test can see it.
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, RunChild(exe, L"plain").c_str(), -1,
                             planted.c_str(), -1),
              CSTR_EQUAL);
    const std::string restricted = RunChild(exe, L"restricted");
    // A 32-bit program on 64-bit Windows loads system DLLs from SysWOW64.
    char system[MAX_PATH];
    if (!GetSystemWow64DirectoryA(system, MAX_PATH)) GetSystemDirectoryA(system, MAX_PATH);
    EXPECT_EQ(CompareStringA(LOCALE_INVARIANT, NORM_IGNORECASE, restricted.c_str(), -1,
                             (std::string(system) + "\\dwmapi.dll").c_str(), -1),
              CSTR_EQUAL)
        << restricted;
}

}  // namespace
}  // namespace corelim::test
