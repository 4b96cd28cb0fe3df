#include <windows.h>

#include <string>

#include "affinity_choice.h"
#include "command_line_words.h"
#include "console_line.h"
#include "create_child.h"
#include "decimal_text.h"
#include "elevation.h"
#include "failure_report.h"
#include "launch_arguments.h"
#include "processors.h"
#include "run_elevated.h"
#include "system_library.h"
#include "system_message.h"
#include "system_paths.h"
#include "wide_text.h"

namespace {

using corelim::AsWide;
using corelim::OwnFolder;
using corelim::OwnPath;
using corelim::SystemFolder;
using corelim::SystemText;

// The system's text for a failure, or its number where it has none: a
// report always names the failure.
std::u16string FailureReason(DWORD error) {
    const std::u16string text = corelim::SystemMessage(error);
    return text.empty() ? u"error " + corelim::Decimal(error) : text;
}

void WriteToStandardError(const std::u16string& line) { corelim::WriteLine(GetStdHandle(STD_ERROR_HANDLE), line); }

// Whether standard error is a visible console window that closes with the
// launcher: started from Explorer, the front end or a shortcut, where the
// line would flash by unread. From cmd, PowerShell or a batch file the
// console is shared; redirected, hidden or absent, there is nothing to see.
bool ConsoleClosesUnread() {
    DWORD mode = 0;
    if (!GetConsoleMode(GetStdHandle(STD_ERROR_HANDLE), &mode) || !GetConsoleWindow()) return false;
    STARTUPINFOW startup{};
    GetStartupInfoW(&startup);
    if ((startup.dwFlags & STARTF_USESHOWWINDOW) && startup.wShowWindow == SW_HIDE) return false;
    DWORD processes[2];
    return GetConsoleProcessList(processes, 2) == 1;
}

// user32 is loaded for the box alone: importing it would make every start
// pay for it.
int Report(const corelim::FailureReport& report) {
    WriteToStandardError(report.line);
    using MessageBoxWFn = int WINAPI(HWND, const wchar_t*, const wchar_t*, UINT);
    if (ConsoleClosesUnread()) {
        if (auto* messageBox = corelim::SystemFunction<MessageBoxWFn>(L"user32.dll", "MessageBoxW")) {
            // The warning sign, as on Windows' own boxes for a program it cannot start.
            const UINT icon = report.status == 1 ? MB_ICONINFORMATION : MB_ICONWARNING;
            messageBox(nullptr, AsWide(report.boxText), L"Corelim", MB_OK | MB_SETFOREGROUND | icon);
        }
    }
    return report.status;
}

std::u16string CurrentDirectory() {
    return SystemText([](wchar_t* buffer, DWORD size) { return GetCurrentDirectoryW(size, buffer); });
}

// The file CreateProcess would start for `program` by its own search, with
// ".exe" added when the name has no extension: the launcher's folder, the
// current folder (unless the system is told to leave it out of a bare
// name's search), the system folders, then PATH; a full path stands alone,
// a relative one with a folder is looked for in the same places. It is the
// file the launcher starts, and what it is, not how it is written, decides
// whether cmd.exe runs it. Empty when there is no such file.
std::u16string FindProgramFile(const std::u16string& program) {
    const wchar_t* name = AsWide(program);
    const std::u16string windows =
        SystemText([](wchar_t* buffer, DWORD size) { return GetWindowsDirectoryW(buffer, size); });
    const std::u16string current = NeedCurrentDirectoryForExePathW(name) ? CurrentDirectory() + u";" : u"";
    const std::u16string folders =
        OwnFolder() + u";" + current + SystemFolder() + u";" + windows + u"\\System;" + windows + u";" +
        SystemText([](wchar_t* buffer, DWORD size) { return GetEnvironmentVariableW(L"PATH", buffer, size); });
    const std::u16string file = SystemText([&](wchar_t* buffer, DWORD size) {
        return SearchPathW(AsWide(folders), name, L".exe", size, buffer, nullptr);
    });
    const DWORD attributes = file.empty() ? INVALID_FILE_ATTRIBUTES : GetFileAttributesW(AsWide(file));
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY)) return {};
    return file;
}

// cmd.exe from the system folder, never one planted where the search for a
// bare "cmd.exe" would look first.
std::u16string CommandProcessorPath() {
    const std::u16string folder = SystemFolder();
    return folder.empty() ? std::u16string() : folder + u"\\cmd.exe";
}

// A program that needs administrator rights is started by this launcher
// run again with them, with the same arguments in the same folder; that one
// starts it confined as below, reports its own failures, and its status is
// this one's. The elevated launcher gets the user's own environment, not
// this one's.
int StartThroughElevatedRerun(const std::u16string& program) {
    const auto* commandLine = reinterpret_cast<const char16_t*>(GetCommandLineW());
    const corelim::ElevatedRun run =
        corelim::RunElevated(OwnPath(), std::u16string(corelim::ArgumentsAfterProgramName(commandLine)),
                             CurrentDirectory());
    if (run.error) return Report(corelim::ElevationFailureReport(program, run.error, FailureReason(run.error)));
    return static_cast<int>(run.status);
}

// Starts `programFile` suspended so that it runs no instruction, and starts
// no thread or process, before its affinity is set. Handing the system the
// file itself keeps it from trying longer and longer prefixes of the line
// when the program's word has no quotes.
int StartConfined(const corelim::ChildLaunch& launch, const std::u16string& program,
                  const std::u16string& programFile) {
    PROCESS_INFORMATION process{};

    // Windows refuses a longer line (ERROR_FILENAME_EXCED_RANGE); Wine
    // would start it, so the limit is checked here for the same result.
    if (launch.commandLine.size() >= corelim::kMaxCommandLine) {
        return Report(corelim::StartFailureReport(program, ERROR_FILENAME_EXCED_RANGE,
                                                  FailureReason(ERROR_FILENAME_EXCED_RANGE),
                                                  launch.commandLine.size()));
    }
    // CreateProcessW may write into the command line, so it gets a copy.
    std::u16string buffer = launch.commandLine;
    const std::u16string application = launch.batchFile ? CommandProcessorPath() : programFile;
    if (!corelim::CreateSuspendedChild(AsWide(application), reinterpret_cast<wchar_t*>(buffer.data()), process)) {
        const DWORD error = GetLastError();
        // The token is read, and advapi32 loaded for it, only when it decides.
        const bool elevated = error == corelim::kElevationRequired && corelim::RunsElevated();
        const auto next =
            corelim::AfterFailedStart(program, error, FailureReason(error), launch.commandLine.size(), elevated);
        if (const auto* report = std::get_if<corelim::FailureReport>(&next)) return Report(*report);
        return StartThroughElevatedRerun(program);
    }
    const corelim::ProcessorMasks processors = corelim::OwnProcessorMasks().value_or(corelim::ProcessorMasks{});
    const corelim::AffinityChoice affinity =
        corelim::ChooseAffinity(processors.system, processors.process, launch.affinityMask, program);
    std::u16string line = affinity.line;
    if (affinity.applied && !SetProcessAffinityMask(process.hProcess, *affinity.applied)) {
        line = corelim::AffinityRefusalLine(*affinity.applied, processors.process, program,
                                            FailureReason(GetLastError()));
    }
    int status = 0;
    if (ResumeThread(process.hThread) == static_cast<DWORD>(-1)) {
        // A child left suspended would hang unseen; end it instead.
        const std::u16string reason = FailureReason(GetLastError());
        TerminateProcess(process.hProcess, 1);
        status = Report(corelim::ResumeFailureReport(program, reason));
    } else if (!line.empty()) {
        WriteToStandardError(line);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

}  // namespace

// The arguments come as the C runtime splits the UTF-16 command line, so
// every character reaches the child as the caller wrote it, whatever the
// system's code page.
int wmain(int argc, wchar_t** argv) {
    const bool dllDirectorySet = corelim::RestrictDllSearchToSystemFolder();
    const auto* arguments = reinterpret_cast<const char16_t* const*>(argv);
    const std::u16string program = argc >= 3 ? arguments[2] : u"";
    const std::u16string programFile = argc >= 3 ? FindProgramFile(program) : u"";
    const auto plan = corelim::ParseLaunchArguments(argc, arguments, programFile);
    if (std::holds_alternative<corelim::Usage>(plan)) return Report(corelim::UsageReport());
    if (const auto* refusal = std::get_if<corelim::BatchRefusal>(&plan)) {
        return Report(corelim::BatchRefusalReport(program, *refusal));
    }
    const auto& launch = std::get<corelim::ChildLaunch>(plan);
    if (programFile.empty()) {
        return Report(corelim::StartFailureReport(program, ERROR_FILE_NOT_FOUND, FailureReason(ERROR_FILE_NOT_FOUND),
                                                  launch.commandLine.size()));
    }
    // The program gets the system's usual DLL search, not the launcher's.
    if (dllDirectorySet) SetDllDirectoryW(nullptr);
    return StartConfined(launch, program, programFile);
}
