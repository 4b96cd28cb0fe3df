// Runs every *_test.exe in its own folder, one after another, each in a job
// object that ends whatever it started, and sums up their GoogleTest cases
// from GoogleTest's own XML reports: each failing (and skipped) case is
// shown with what it printed, and the last line is "N passed, N failed,
// N skipped". Each program's output (NAME.txt) and report (NAME.xml) are
// kept in output\ beside it. Arguments are a GoogleTest filter. Exits 0
// only when nothing failed.
#include <windows.h>
#include <shellapi.h>

#include <algorithm>
#include <string>
#include <vector>

#include "console_line.h"
#include "desktop_setting.h"
#include "file_bytes.h"
#include "gtest_report.h"
#include "staged_folder.h"
#include "system_paths.h"
#include "wide_text.h"

namespace {

using corelim::test::CaseResult;

// Room for the slowest program on a hosted runner, well inside the job's
// own limit; a program that runs longer is taken to hang.
constexpr DWORD kProgramLimitMs = 10 * 60 * 1000;

struct Counts {
    int passed = 0;
    int failed = 0;
    int skipped = 0;
};

// Text for the console, whatever its code page, or UTF-8 for a CI log.
void Say(const std::wstring& text) { corelim::WriteLine(GetStdHandle(STD_OUTPUT_HANDLE), corelim::ToUtf16(text)); }

std::wstring FromUtf8(const std::string& text) { return corelim::Widen(text, CP_UTF8); }

std::string ReadText(const std::wstring& path) {
    const std::vector<unsigned char> bytes = corelim::test::ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::wstring> TestPrograms(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"*_test.exe").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.push_back(entry.cFileName);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// Folders under Temp that a program which ended midway left staged.
void RemoveLeftFolders(DWORD processId) {
    const std::wstring start = corelim::test::StagedFolderStart(processId);
    const std::wstring parent = start.substr(0, start.find_last_of(L'\\') + 1);
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((start + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring path = parent + entry.cFileName;
        if (!corelim::test::RemoveTree(path)) Say(L"  cannot remove " + path);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

// What the case printed, from "[ RUN      ]" to its result line.
std::wstring CaseOutput(const std::string& log, const std::string& name) {
    std::size_t start = log.find("[ RUN      ] " + name + "\n");
    if (start == std::string::npos) start = log.find("[ RUN      ] " + name + "\r\n");
    if (start == std::string::npos) return FromUtf8("[  FAILED  ] " + name);
    std::size_t end = log.find("] " + name + " (", start + 13);
    end = end == std::string::npos ? log.size() : log.find('\n', end);
    std::string block = log.substr(start, end == std::string::npos ? std::string::npos : end - start);
    block.erase(std::remove(block.begin(), block.end(), '\r'), block.end());
    return FromUtf8(block);
}

// The job of the program that runs now, which Ctrl+C or closing the
// console ends with everything it started.
HANDLE currentJob = nullptr;

BOOL WINAPI OnConsoleClose(DWORD) {
    if (const HANDLE job = currentJob) TerminateJobObject(job, 1);
    if (corelim::test::PutBackDesktopSetting(true)) Say(L"(the desktop folder's setting is put back)");
    Say(L"stopped before the end: the counts are incomplete");
    ExitProcess(1);
}

// A job that ends all its processes once its handle closes, even if this
// runner is killed, and lets no unhandled exception wait on a dialog.
HANDLE CreateProgramJob() {
    const HANDLE job = CreateJobObjectW(nullptr, nullptr);
    JOBOBJECT_EXTENDED_LIMIT_INFORMATION limits{};
    limits.BasicLimitInformation.LimitFlags =
        JOB_OBJECT_LIMIT_KILL_ON_JOB_CLOSE | JOB_OBJECT_LIMIT_DIE_ON_UNHANDLED_EXCEPTION;
    if (job) SetInformationJobObject(job, JobObjectExtendedLimitInformation, &limits, sizeof limits);
    return job;
}

// Runs one program with its output and report in `logs`, and counts its
// cases. A program that runs no case (with no filter given), ends badly
// after its cases, or writes no report counts as one failure more.
void RunProgram(const std::wstring& folder, const std::wstring& name, const std::wstring& logs,
                const std::wstring& filter, Counts& counts) {
    Say(name);
    const std::wstring base = name.substr(0, name.size() - 4);
    const std::wstring log = logs + base + L".txt";
    const std::wstring report = logs + base + L".xml";
    DeleteFileW(report.c_str());
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE output = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      CREATE_ALWAYS, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        Say(L"  cannot write " + log + L" (error " + std::to_wstring(GetLastError()) + L")");
        ++counts.failed;
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    const std::wstring path = folder + name;
    // Relative to the program's folder: the C runtime hands GoogleTest its
    // arguments in the ANSI code page, which may lack the folder's name.
    std::wstring commandLine = L"\"" + path + L"\" --gtest_output=xml:output\\" + base + L".xml";
    if (!filter.empty()) commandLine += L" \"--gtest_filter=" + filter + L"\"";
    const HANDLE job = CreateProgramJob();
    PROCESS_INFORMATION process{};
    const bool started = job && CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE,
                                               CREATE_SUSPENDED, nullptr, folder.c_str(), &startup, &process);
    CloseHandle(output);
    if (!started || !AssignProcessToJobObject(job, process.hProcess)) {
        Say(L"  cannot start it (error " + std::to_wstring(GetLastError()) + L")");
        if (started) TerminateProcess(process.hProcess, 1);
        if (job) CloseHandle(job);
        ++counts.failed;
        return;
    }
    currentJob = job;
    ResumeThread(process.hThread);
    const bool ended = WaitForSingleObject(process.hProcess, kProgramLimitMs) == WAIT_OBJECT_0;
    DWORD status = 0;
    GetExitCodeProcess(process.hProcess, &status);
    // Windows, launchers, probes and message boxes it left behind go too.
    JOBOBJECT_BASIC_ACCOUNTING_INFORMATION accounting{};
    QueryInformationJobObject(job, JobObjectBasicAccountingInformation, &accounting, sizeof accounting, nullptr);
    TerminateJobObject(job, 1);
    WaitForSingleObject(process.hProcess, INFINITE);
    currentJob = nullptr;
    CloseHandle(job);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (ended && accounting.ActiveProcesses > 0) {
        Say(L"  " + std::to_wstring(accounting.ActiveProcesses) + L" processes it started still ran and were ended");
    }

    const std::string text = ReadText(log);
    const std::string xml = ReadText(report);
    int failures = 0;
    int cases = 0;
    for (const CaseResult& result : corelim::test::ReadGTestReport(xml)) {
        ++cases;
        if (result.outcome == CaseResult::kPassed) {
            ++counts.passed;
            continue;
        }
        ++(result.outcome == CaseResult::kFailed ? counts.failed : counts.skipped);
        if (result.outcome == CaseResult::kFailed) ++failures;
        Say(CaseOutput(text, result.name));
    }
    std::wstring problem;
    if (!ended) {
        problem = L"still ran after " + std::to_wstring(kProgramLimitMs / 60000) + L" minutes and was ended";
    } else if (xml.empty()) {
        problem = L"ended with status " + std::to_wstring(status) + L" and wrote no report";
    } else if (status != 0 && !(status == 1 && failures > 0)) {
        problem = L"ended with status " + std::to_wstring(status) + L" after its cases";
    } else if (cases == 0 && filter.empty()) {
        problem = L"ran no case";
    }
    if (!problem.empty()) {
        Say(L"  " + problem + L"; its output is in " + log);
        ++counts.failed;
    }
    if (corelim::test::PutBackDesktopSetting(false)) Say(L"  (the desktop folder's setting was left changed and is put back)");
    RemoveLeftFolders(process.dwProcessId);
}

// The arguments after the program's name, joined as one GoogleTest filter.
std::wstring FilterFromArguments() {
    int count = 0;
    wchar_t** words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::wstring filter;
    for (int i = 1; words && i < count; ++i) filter += (filter.empty() ? L"" : L":") + std::wstring(words[i]);
    LocalFree(words);
    return filter;
}

}  // namespace

int main() {
    // No crash, missing-file or drive dialog may wait for someone to click;
    // the test programs inherit this.
    SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOGPFAULTERRORBOX | SEM_NOOPENFILEERRORBOX);
    const std::wstring folder = corelim::FromUtf16(corelim::OwnFolder());
    if (GetFileAttributesW((corelim::FromUtf16(corelim::OwnPath()) + L":Zone.Identifier").c_str()) !=
        INVALID_FILE_ATTRIBUTES) {
        Say(L"These files carry the mark of the web, and Windows may ask before each program they start: "
            L"unblock the zip (its Properties, Unblock; or Unblock-File in PowerShell) and unzip it again.");
    }
    const auto programs = TestPrograms(folder);
    if (programs.empty()) {
        Say(L"no *_test.exe beside " + folder + L": unzip the whole test bundle");
        return 1;
    }
    if (corelim::test::PutBackDesktopSetting(true)) {
        Say(L"(the desktop folder's setting, left changed by a run that was ended, is put back)");
    }
    corelim::test::RecordDesktopSetting();
    SetConsoleCtrlHandler(OnConsoleClose, TRUE);
    const std::wstring logs = folder + L"output\\";
    CreateDirectoryW(logs.c_str(), nullptr);
    const std::wstring filter = FilterFromArguments();
    Counts counts;
    for (const auto& name : programs) RunProgram(folder, name, logs, filter, counts);
    corelim::test::PutBackDesktopSetting(true);
    Say(std::to_wstring(counts.passed) + L" passed, " + std::to_wstring(counts.failed) + L" failed, " +
        std::to_wstring(counts.skipped) + L" skipped");
    return counts.failed == 0 ? 0 : 1;
}
