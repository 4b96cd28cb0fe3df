#include "run_elevated.h"

#include <windows.h>

#include <shellapi.h>

#include "com_scope.h"
#include "system_library.h"
#include "wide_text.h"

namespace corelim {

namespace {

// A failure must never read as a run: 0 is "it ran".
ElevatedRun NotRun(DWORD fallback) {
    const DWORD error = GetLastError();
    return {error ? error : fallback, 0};
}

}  // namespace

// advapi32, shell32 and ole32 come from the system folder, and only when a
// program needs administrator rights: every other start loads none of them.
bool RunsElevated() {
    using OpenProcessTokenFn = BOOL WINAPI(HANDLE, DWORD, HANDLE*);
    using GetTokenInformationFn = BOOL WINAPI(HANDLE, TOKEN_INFORMATION_CLASS, void*, DWORD, DWORD*);
    auto* openToken = SystemFunction<OpenProcessTokenFn>(L"advapi32.dll", "OpenProcessToken");
    auto* tokenInformation = SystemFunction<GetTokenInformationFn>(L"advapi32.dll", "GetTokenInformation");
    HANDLE token = nullptr;
    if (!openToken || !tokenInformation || !openToken(GetCurrentProcess(), TOKEN_QUERY, &token)) return true;
    TOKEN_ELEVATION elevation{};
    DWORD size = 0;
    const bool known = tokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    CloseHandle(token);
    return !known || elevation.TokenIsElevated;
}

ElevatedRun RunElevated(const std::u16string& program, const std::u16string& parameters,
                        const std::u16string& directory) {
    using ShellExecuteExWFn = BOOL WINAPI(SHELLEXECUTEINFOW*);
    auto* shellExecute = SystemFunction<ShellExecuteExWFn>(L"shell32.dll", "ShellExecuteExW");
    if (!shellExecute) return NotRun(ERROR_PROC_NOT_FOUND);
    // The rerun's console shows as this one was asked to (a shortcut set to
    // run minimised stays so).
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    SHELLEXECUTEINFOW execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS | SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
    execute.lpVerb = L"runas";
    execute.lpFile = AsWide(program);
    execute.lpParameters = AsWide(parameters);
    execute.lpDirectory = AsWide(directory);
    execute.nShow = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : SW_SHOWNORMAL;
    {
        // The shell may hand the verb to extensions that need COM.
        const ComScope com;
        if (!shellExecute(&execute)) return NotRun(ERROR_ACCESS_DENIED);
    }
    // No process to wait for only when the shell handed the start on; the
    // launcher itself is always started as a process.
    DWORD status = 0;
    if (execute.hProcess) {
        WaitForSingleObject(execute.hProcess, INFINITE);
        GetExitCodeProcess(execute.hProcess, &status);
        CloseHandle(execute.hProcess);
    }
    return {0, status};
}

}  // namespace corelim
