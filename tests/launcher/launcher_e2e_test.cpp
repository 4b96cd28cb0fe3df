// Runs the built Corelim.exe under Wine and watches the probe it starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "affinity.h"
#include "build_tree.h"
#include "command_line_reference.h"
#include "gui_driver.h"
#include "linux_process.h"
#include "on_wine.h"
#include "probe_record.h"
#include "run_elevated.h"
#include "system_message.h"
#include "staged_folder.h"
#include "staging.h"
#include "test_text.h"

namespace {

using corelim::test::ProbeRecord;
using corelim::test::FromBuildTree;
using corelim::test::StagedFolder;
using corelim::test::CopyOrDie;

const char kUsageLine[] = "Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]\r\n";

std::wstring Quoted(const std::wstring& text) { return L"\"" + text + L"\""; }

using corelim::SystemMessage;
using corelim::ToUtf16;
using corelim::test::OwnAffinity;
using corelim::test::Utf8;
using corelim::test::WaitFor;

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// A token without administrator rights, as a program has on Windows until
// the user consents; null where this system gives none. Windows gives out
// the token linked to this one only for identification (without
// SeTcbPrivilege), from which no primary token can be made, so this one is
// filtered first; Wine counts a filtered token as elevated, but lets the
// linked one start a program.
HANDLE LimitedToken() {
    HANDLE own = nullptr;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY | TOKEN_DUPLICATE | TOKEN_ASSIGN_PRIMARY, &own);
    BYTE sid[SECURITY_MAX_SID_SIZE];
    DWORD size = sizeof sid;
    CreateWellKnownSid(WinBuiltinAdministratorsSid, nullptr, sid, &size);
    SID_AND_ATTRIBUTES administrators{sid, 0};
    HANDLE token = nullptr;
    TOKEN_ELEVATION elevation{TRUE};
    if (CreateRestrictedToken(own, DISABLE_MAX_PRIVILEGE, 1, &administrators, 0, nullptr, 0, nullptr, &token)) {
        GetTokenInformation(token, TokenElevation, &elevation, sizeof elevation, &size);
    }
    if (elevation.TokenIsElevated) {
        if (token) CloseHandle(token);
        token = nullptr;
        TOKEN_LINKED_TOKEN linked{};
        if (GetTokenInformation(own, TokenLinkedToken, &linked, sizeof linked, &size)) {
            DuplicateTokenEx(linked.LinkedToken, MAXIMUM_ALLOWED, nullptr, SecurityImpersonation, TokenPrimary, &token);
            CloseHandle(linked.LinkedToken);
        }
    }
    CloseHandle(own);
    return token;
}

// Why an elevated rerun would wait for a consent or credential prompt that
// no test can answer; empty where it starts at once: UAC off, an
// administrator whose policy elevates without asking (a hosted runner), or
// Wine, which has no such policy.
std::string ElevationPrompt() {
    const wchar_t kPolicies[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Policies\\System";
    DWORD uac = 0, consent = 0, size = sizeof uac;
    RegGetValueW(HKEY_LOCAL_MACHINE, kPolicies, L"EnableLUA", RRF_RT_REG_DWORD, nullptr, &uac, &size);
    size = sizeof consent;
    RegGetValueW(HKEY_LOCAL_MACHINE, kPolicies, L"ConsentPromptBehaviorAdmin", RRF_RT_REG_DWORD, nullptr, &consent,
                 &size);
    HANDLE own = nullptr;
    TOKEN_ELEVATION_TYPE type = TokenElevationTypeDefault;
    OpenProcessToken(GetCurrentProcess(), TOKEN_QUERY, &own);
    GetTokenInformation(own, TokenElevationType, &type, sizeof type, &size);
    CloseHandle(own);
    if (!uac) return "";
    if (type == TokenElevationTypeDefault) return "this user is no administrator: Windows would ask for a password";
    if (consent) return "ConsentPromptBehaviorAdmin is " + std::to_string(consent) + ": Windows would ask for consent";
    return "";
}

// An environment variable's value, put back when this goes, however the
// case ends: a failed assertion leaves the case early.
class SavedEnvironment {
public:
    explicit SavedEnvironment(const wchar_t* name) : name_(name), old_(32767, L'\0') {
        old_.resize(GetEnvironmentVariableW(name, old_.data(), static_cast<DWORD>(old_.size())));
    }
    ~SavedEnvironment() { SetEnvironmentVariableW(name_, old_.c_str()); }
    SavedEnvironment(const SavedEnvironment&) = delete;
    SavedEnvironment& operator=(const SavedEnvironment&) = delete;

    const std::wstring& Old() const { return old_; }

private:
    const wchar_t* name_;
    std::wstring old_;
};

struct LauncherRun {
    DWORD status = 0;
    std::string errorOutput;
    std::string output;
};

class Pipe {
public:
    Pipe() {
        SECURITY_ATTRIBUTES inheritable{sizeof inheritable, nullptr, TRUE};
        CreatePipe(&read_, &write_, &inheritable, 1 << 16);
        SetHandleInformation(read_, HANDLE_FLAG_INHERIT, 0);
    }
    ~Pipe() {
        CloseHandle(read_);
        if (write_) CloseHandle(write_);
    }
    HANDLE writeEnd() const { return write_; }
    void closeWriteEnd() {
        CloseHandle(write_);
        write_ = nullptr;
    }
    // What is buffered; the child may have handed the write end on, so this
    // does not wait for the end of the stream.
    std::string drain() const {
        std::string text;
        DWORD available = 0;
        while (PeekNamedPipe(read_, nullptr, 0, nullptr, &available, nullptr) && available > 0) {
            std::string chunk(available, '\0');
            DWORD got = 0;
            if (!ReadFile(read_, chunk.data(), available, &got, nullptr)) break;
            text.append(chunk, 0, got);
        }
        return text;
    }

private:
    HANDLE read_ = nullptr;
    HANDLE write_ = nullptr;
};

class LauncherEndToEnd : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        staged_ = new StagedFolder(L"e2e");
        folder_ = staged_->Path();
        const std::wstring probe = FromBuildTree(CORELIM_PROBE_EXE);
        launches_ = CreateJobObjectW(nullptr, nullptr);
        ASSERT_TRUE(launches_);
        CopyOrDie(FromBuildTree(CORELIM_LAUNCHER_EXE), folder_ + L"\\Corelim.exe");
        CopyOrDie(FromBuildTree(CORELIM_ELEVATION_REQUIRED_EXE), folder_ + kElevationRequiredLauncher);
        CopyOrDie(probe, folder_ + L"\\probe.exe");
        // A program under a folder with a blank and a name beyond any one
        // code page, and the trap an unquoted path walks into:
        // "<folder>\Program" is tried as Program.exe first.
        ASSERT_TRUE(CreateDirectoryW((folder_ + L"\\Program Files").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryW((folder_ + kAppFolder).c_str(), nullptr));
        CopyOrDie(probe, folder_ + kAppFolder + L"\\probe.exe");
        CopyOrDie(probe, folder_ + L"\\Program.exe");
        CopyOrDie(FromBuildTree(CORELIM_SYSTEM_SEARCH_EXE), folder_ + kSystemSearchLauncher);
        ASSERT_TRUE(CreateDirectoryW((folder_ + kOnPathFolder).c_str(), nullptr));
        CopyOrDie(probe, folder_ + kOnPathFolder + L"\\on-path.exe");
        // "<folder>\quoted" is missing; "<folder>\quoted dir\probe.exe" is
        // what the next argument would complete it to.
        ASSERT_TRUE(CreateDirectoryW((folder_ + L"\\quoted dir").c_str(), nullptr));
        CopyOrDie(probe, folder_ + L"\\quoted dir\\probe.exe");
    }

    static void TearDownTestSuite() {
        delete staged_;
        CloseHandle(launches_);
    }

    void SetUp() override { StartCase(); }
    void TearDown() override { FinishCase(); }

    // Each case gets its own token and record file.
    void StartCase() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // Unique across Wine prefixes too: other builds may run these tests at the same time.
        token_ = std::string("token-") + test->name() + "-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(++cases_);
        recordFile_ = folder_ + L"\\" + Token() + L".txt";
        SetEnvironmentVariableW(L"CORELIM_PROBE_OUT", recordFile_.c_str());
        SetEnvironmentVariableA("CORELIM_PROBE_HOLD", nullptr);
        SetEnvironmentVariableA("CORELIM_TEST_ELEVATION_REQUIRED", nullptr);
    }

    // Lets a held probe go and waits for the probes of the case to end, so
    // the folder can go.
    void FinishCase() {
        DeleteFileW(HoldFile().c_str());
        for (const auto& record : corelim::test::ReadProbeRecords(recordFile_)) {
            if (const HANDLE probe = OpenProcess(SYNCHRONIZE, FALSE, record.processId)) {
                WaitForSingleObject(probe, 30000);
                CloseHandle(probe);
            }
        }
        DeleteFileW(recordFile_.c_str());
    }

    std::wstring Token() const { return std::wstring(token_.begin(), token_.end()); }

    // While it exists, the probes of the case stay running (probe_record.h).
    std::wstring HoldFile() const { return recordFile_ + L".hold"; }

    // Runs Corelim.exe, or another launcher of the test folder, there with
    // the given arguments and `token`'s rights if one is given, its standard
    // output and error to pipes.
    static LauncherRun RunLauncher(const std::wstring& arguments, const std::wstring& launcher = L"\\Corelim.exe",
                                   HANDLE token = nullptr) {
        Pipe output;
        Pipe errors;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output.writeEnd();
        startup.hStdError = errors.writeEnd();
        std::wstring commandLine = Quoted(folder_ + launcher) + L" " + arguments;
        PROCESS_INFORMATION process{};
        LauncherRun run;
        if (token ? !CreateProcessAsUserW(token, nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED,
                                          nullptr, folder_.c_str(), &startup, &process)
                  : !CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, CREATE_SUSPENDED, nullptr,
                                    folder_.c_str(), &startup, &process)) {
            ADD_FAILURE() << "cannot start " << Utf8(launcher) << ": " << Utf8(SystemMessage(GetLastError()));
            return run;
        }
        EXPECT_TRUE(AssignProcessToJobObject(launches_, process.hProcess));
        ResumeThread(process.hThread);
        output.closeWriteEnd();
        errors.closeWriteEnd();
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0) << "Corelim.exe did not end";
        GetExitCodeProcess(process.hProcess, &run.status);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        run.output = output.drain();
        run.errorOutput = errors.drain();
        return run;
    }

    // Waits until the probe wrote its record (a Wine process start under
    // qemu takes seconds).
    std::vector<ProbeRecord> AwaitRecords(std::size_t count) const {
        std::vector<ProbeRecord> records;
        WaitFor([&] { return (records = corelim::test::ReadProbeRecords(recordFile_)).size() >= count; });
        return records;
    }

    // Every process the launches started, and theirs, is in the job: once
    // none runs, whatever they would record is recorded.
    static void AwaitLaunchesEnded() {
        EXPECT_TRUE(WaitFor([] {
            JOBOBJECT_BASIC_ACCOUNTING_INFORMATION job{};
            return QueryInformationJobObject(launches_, JobObjectBasicAccountingInformation, &job, sizeof job,
                                             nullptr) &&
                   job.ActiveProcesses == 0;
        })) << "what the launches started still runs after a minute";
    }

    // A launch that must start nothing: a trap run or a stray probe would
    // have left a record.
    void ExpectNothingStarted() const {
        AwaitLaunchesEnded();
        EXPECT_TRUE(corelim::test::ReadProbeRecords(recordFile_).empty());
    }

    // Starts the probe through the launcher with `mask` and checks the
    // affinity the probe reports at its start and the system's while it
    // runs (and the kernel's view of its threads where /proc is there), and
    // the one line on standard error that starts with `lineStart`, or none.
    void ExpectConfinedTo(const std::wstring& mask, DWORD expected, const std::string& lineStart = "") {
        std::ofstream{HoldFile().c_str()};
        SetEnvironmentVariableW(L"CORELIM_PROBE_HOLD", HoldFile().c_str());
        const LauncherRun run = RunLauncher(mask + L" probe.exe " + Token());
        EXPECT_EQ(run.status, 0u) << run.errorOutput;
        EXPECT_EQ(run.errorOutput.rfind(lineStart, 0), 0u) << run.errorOutput;
        EXPECT_EQ(run.errorOutput.find('\n'), lineStart.empty() ? std::string::npos : run.errorOutput.size() - 1)
            << run.errorOutput;
        const auto records = AwaitRecords(1);
        ASSERT_EQ(records.size(), 1u) << "mask " << Utf8(mask);
        EXPECT_EQ(records[0].processAffinity, expected) << "mask " << Utf8(mask);

        // The probe still runs: its affinity now, as the system reports it.
        const HANDLE probe = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, records[0].processId);
        ASSERT_NE(probe, nullptr) << "the held probe " << records[0].processId << " cannot be opened";
        DWORD_PTR processMask = 0;
        DWORD_PTR systemMask = 0;
        EXPECT_TRUE(GetProcessAffinityMask(probe, &processMask, &systemMask));
        CloseHandle(probe);
        EXPECT_EQ(processMask, expected) << "mask " << Utf8(mask);

        if (!corelim::test::LinuxProcessesVisible()) return;
        const auto process = corelim::test::FindLinuxProcess("probe.exe", token_);
        ASSERT_TRUE(process) << "no Linux process runs the probe with " << token_;
        const auto tasks = corelim::test::WindowsThreadTasks(*process);
        ASSERT_FALSE(tasks.empty());
        for (const auto& task : tasks) {
            EXPECT_EQ(task.cpusAllowed, expected) << "mask " << Utf8(mask) << ", task " << task.id << " (" << task.name << ")";
        }
    }

    static inline const std::wstring kAppFolder = L"\\Program Files\\\uAC8C\uC784 \u8868";  // 게임 表
    static inline const std::wstring kBatchFile = L"\\run me.bat";
    static inline const std::wstring kElevationRequiredLauncher = L"\\elevation-required.exe";
    static inline const std::wstring kSystemSearchLauncher = L"\\system-search.exe";
    static inline const std::wstring kOnPathFolder = L"\\on path";
    static StagedFolder* staged_;
    static std::wstring folder_;
    static inline HANDLE launches_ = nullptr;
    int cases_ = 0;
    std::string token_;
    std::wstring recordFile_;
};

StagedFolder* LauncherEndToEnd::staged_;
std::wstring LauncherEndToEnd::folder_;

TEST_F(LauncherEndToEnd, ConfinesTheChildToTheMask) {
    const DWORD available = OwnAffinity().process;
    for (const DWORD mask : {1u, 2u, 3u}) {
        if ((mask & available) != mask) continue;  // processors this machine lacks
        ExpectConfinedTo(std::to_wstring(mask), mask);
        FinishCase();
        StartCase();
    }
}

// The platform refuses 0 and any mask that names a processor the machine
// lacks: the launcher keeps those of the mask that exist, or else leaves the
// launcher's affinity, says so in one line, and the launch still succeeds.
// All 32 bits mean every processor, without a word.
TEST_F(LauncherEndToEnd, MaskKeepsTheProcessorsTheMachineHas) {
    const auto [own, system] = OwnAffinity();
    ASSERT_NE(system, 0u);
    if (system == 0xFFFFFFFFu) GTEST_SKIP() << "a machine of 32 processors lacks none";
    unsigned first = 0;
    while (!((system >> first) & 1)) ++first;
    const DWORD lowest = 1u << first;
    unsigned missing = 31;
    while ((system >> missing) & 1) --missing;
    const DWORD partial = lowest | (1u << missing);
    const struct {
        std::wstring mask;
        DWORD expected;
        std::string lineStart;
    } cases[] = {
        {std::to_wstring(partial), lowest,
         "Corelim: mask " + std::to_string(partial) + " names processor " + std::to_string(missing) +
             ", which this machine lacks; \"probe.exe\" runs on processor " + std::to_string(first) + " only.\r\n"},
        {L"0", own, "Corelim: mask 0 names no processor; \"probe.exe\" keeps the affinity it "},
        {L"-1", system, ""},
    };
    for (const auto& c : cases) {
        ExpectConfinedTo(c.mask, c.expected, c.lineStart);
        FinishCase();
        StartCase();
    }
}

// Whatever the system's code page (this program runs under 932 and 1252):
// text beyond it, look-alikes that a best-fit conversion would turn into
// quotes, backslashes or letters, and surrogate pairs all arrive intact.
TEST_F(LauncherEndToEnd, ArgumentsArriveExactlyAndTheBlankPathTrapStaysShut) {
    const std::wstring program = folder_ + kAppFolder + L"\\probe.exe";
    const std::vector<std::wstring> expectedArgv{
        program,  Token(), L"two words", L"\u65E5\u672C\u8A9E \u8868", L"\u8868\"", L"", LR"(a\"b c\)",
        L"\uD55C\uAD6D\uC5B4", L"\U0001F600", L"caf\u00E9", L"\uFF02a b\uFF02", L"\uFF3C\uFF02", L"\uFF23:"};
    // The launcher's own command line quotes them as the child's must.
    const std::wstring options = Token() + L" \"two words\" \"\u65E5\u672C\u8A9E \u8868\" \"\u8868\\\"\" \"\" " +
                                 LR"("a\\\"b c\\")" + L" \uD55C\uAD6D\uC5B4 \U0001F600 caf\u00E9 " +
                                 L"\"\uFF02a b\uFF02\" \uFF3C\uFF02 \uFF23:";

    const LauncherRun run = RunLauncher(L"1 " + Quoted(program) + L" " + options);
    EXPECT_EQ(run.status, 0u) << run.errorOutput;
    EXPECT_EQ(run.errorOutput, "");
    const auto records = AwaitRecords(1);
    ASSERT_EQ(records.size(), 1u);
    const ProbeRecord& probe = records[0];
    EXPECT_EQ(probe.commandLine, Utf8(Quoted(program) + L" " + options + L" "));
    std::vector<std::string> expected;
    for (const auto& word : expectedArgv) expected.push_back(Utf8(word));
    EXPECT_EQ(probe.wideArgv, expected);
    EXPECT_EQ(probe.module, Utf8(program)) << "the program planted at " << Utf8(folder_) << "\\Program.exe ran";
    EXPECT_EQ(probe.processAffinity, 1u);
    // A trap run would have left a second record.
    AwaitLaunchesEnded();
    EXPECT_EQ(corelim::test::ReadProbeRecords(recordFile_).size(), 1u);
}

// Random lists as the launcher's own command line writes them, each word
// back in the child exactly as the C runtime's own splitter hands it over.
TEST_F(LauncherEndToEnd, RandomArgumentListsArriveAsTheRuntimeSplitsThem) {
    const std::wstring program = folder_ + kAppFolder + L"\\probe.exe";
    for (auto words : corelim::test::GenerateArgumentLists(2026, 12)) {
        words[0] = ToUtf16(program);
        const std::u16string line = corelim::test::JoinArguments(words);
        const LauncherRun run = RunLauncher(L"1 " + std::wstring(line.begin(), line.end()));
        EXPECT_EQ(run.status, 0u) << run.errorOutput;
        const auto records = AwaitRecords(1);
        ASSERT_EQ(records.size(), 1u) << ::testing::PrintToString(line);
        std::vector<std::string> expected;
        for (const auto& word : words) expected.push_back(Utf8(word));
        EXPECT_EQ(records[0].wideArgv, expected) << ::testing::PrintToString(line);
        FinishCase();
        StartCase();
    }
}

// A name that has no blank reaches the system unquoted; given only the
// command line, the system would try longer and longer prefixes of it, and
// "<folder>\quoted dir\probe.exe" would start for the missing
// "<folder>\quoted".
TEST_F(LauncherEndToEnd, MissingProgramIsReportedWithStatus2) {
    const struct {
        std::wstring program;
        std::wstring arguments;
    } cases[] = {
        {folder_ + L"\\no such \uAC8C\uC784.exe", Quoted(folder_ + L"\\no such \uAC8C\uC784.exe") + L" " + Token()},
        {folder_ + L"\\quoted", folder_ + L"\\quoted \"dir\\probe.exe\" " + Token()},
    };
    for (const auto& c : cases) {
        const LauncherRun run = RunLauncher(L"1 " + c.arguments);
        EXPECT_EQ(run.status, 2u);
        EXPECT_EQ(run.output, "");
        // In UTF-8, which holds the path whatever the code page.
        EXPECT_NE(run.errorOutput.find(Utf8(Quoted(c.program))), std::string::npos) << run.errorOutput;
        EXPECT_NE(run.errorOutput.find(Utf8(SystemMessage(ERROR_FILE_NOT_FOUND))), std::string::npos)
            << run.errorOutput;
        ASSERT_GE(run.errorOutput.size(), 2u);
        EXPECT_EQ(run.errorOutput.find('\n'), run.errorOutput.size() - 1) << "one line: " << run.errorOutput;
    }
    ExpectNothingStarted();
}

// The launcher names the file it starts; for every name that started a
// program when the system searched for it, that is the same file.
TEST_F(LauncherEndToEnd, StartsTheFileTheSystemsOwnSearchFinds) {
    const SavedEnvironment path(L"PATH");
    SetEnvironmentVariableW(L"PATH", (folder_ + kOnPathFolder + L";" + path.Old()).c_str());
    const std::wstring relative = kAppFolder.substr(1) + L"\\probe";
    for (const std::wstring& name : {std::wstring(L"probe"), std::wstring(L"probe.exe"), folder_ + L"\\probe",
                                     relative, relative + L".exe", std::wstring(L".\\probe"),
                                     std::wstring(L"on-path")}) {
        const std::wstring arguments = L"1 " + Quoted(name) + L" " + Token();
        EXPECT_EQ(RunLauncher(arguments, kSystemSearchLauncher).status, 0u) << Utf8(name);
        EXPECT_EQ(RunLauncher(arguments).status, 0u) << Utf8(name);
        const auto records = AwaitRecords(2);
        ASSERT_EQ(records.size(), 2u) << Utf8(name);
        EXPECT_EQ(records[1].module, records[0].module) << Utf8(name);
        EXPECT_EQ(records[1].commandLine, records[0].commandLine) << Utf8(name);
        FinishCase();
        StartCase();
    }
}

// The launcher's own line fits the platform's 32,767 characters, but the
// child's does not: an argument with a blank must be quoted whole, which
// doubles the backslashes it ends in. Written here with only the blank
// quoted, its trailing backslashes stay single.
TEST_F(LauncherEndToEnd, ChildCommandLineOverThePlatformLimitIsReportedWithStatus2) {
    const std::wstring backslashes(20000, L'\\');
    const LauncherRun run = RunLauncher(L"1 probe.exe " + Token() + L" a\" \"b" + backslashes);
    EXPECT_EQ(run.status, 2u) << run.errorOutput;
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errorOutput.rfind("Corelim: cannot start \"probe.exe\": ", 0), 0u) << run.errorOutput;
    EXPECT_NE(run.errorOutput.find("over the 32766 Windows accepts"), std::string::npos) << run.errorOutput;
    ASSERT_GE(run.errorOutput.size(), 2u);
    EXPECT_EQ(run.errorOutput.find('\n'), run.errorOutput.size() - 1) << "one line: " << run.errorOutput;
    ExpectNothingStarted();
}

// cmd.exe runs a batch file and reads its arguments as its own syntax
// unless they are written for it: then each reaches the batch file whole,
// and no command, redirection or variable in them takes effect.
TEST_F(LauncherEndToEnd, BatchFileGetsItsArgumentsAndRunsNothingElse) {
    const std::wstring injected = folder_ + L"\\injected.txt";
    // The variable tells who expanded it: cmd.exe reading the launcher's
    // line, or Wine's cmd.exe, which expands a batch file's %* again when
    // the file uses it (Windows' cmd.exe substitutes it once).
    SetEnvironmentVariableW(L"CORELIM_WHO", L"the command line");
    std::ofstream((folder_ + kBatchFile).c_str(), std::ios::binary)
        << "@set CORELIM_WHO=the batch file\r\n@\"%~dp0probe.exe\" %*\r\n";
    const std::vector<std::wstring> arguments{
        Token(), L"a&echo x>\"" + injected + L"\"", L"|echo x>>\"" + injected + L"\"", L"<nul", L"^",
        L"%CORELIM_WHO%", L"!CORELIM_WHO!", L"(x)", L"say \"hi\"", LR"(dir\)", L"", L"two words",
        L"\uD55C\U0001F600\uFF02"};
    // Written on the launcher's own command line as the C runtime reads them.
    std::wstring options;
    for (const auto& argument : arguments) {
        std::wstring quoted;
        for (const wchar_t c : argument) quoted += c == L'"' ? std::wstring(L"\\\"") : std::wstring(1, c);
        if (!argument.empty() && argument.back() == L'\\') quoted += L'\\';
        options += L" " + Quoted(quoted);
    }

    // "run me.bat\." is the same file, which Windows, too, runs through cmd.exe.
    for (const std::wstring& spelling : {kBatchFile, kBatchFile + L"\\."}) {
        const LauncherRun run = RunLauncher(L"1 \"" + folder_ + spelling + L"\"" + options);
        EXPECT_EQ(run.status, 0u) << run.errorOutput;
        const auto records = AwaitRecords(1);
        ASSERT_EQ(records.size(), 1u) << run.output;
        std::vector<std::string> expected{records[0].wideArgv.empty() ? "" : records[0].wideArgv[0]};
        for (const auto& argument : arguments) expected.push_back(Utf8(argument));
        if (corelim::test::OnWine()) expected[6] = "the batch file";
        EXPECT_EQ(records[0].wideArgv, expected) << Utf8(spelling);
        EXPECT_EQ(records[0].processAffinity, 1u);
        EXPECT_FALSE(Exists(injected)) << "a command in an argument ran";
        DeleteFileW(injected.c_str());
        FinishCase();
        StartCase();
    }

    // A line break would end cmd.exe's command, and a batch file that is not
    // there would fail only once cmd.exe runs: nothing is started.
    const LauncherRun refused = RunLauncher(L"1 \"" + folder_ + kBatchFile + L"\" " + Token() + L" \"a\nb\"");
    EXPECT_EQ(refused.status, 2u) << refused.errorOutput;
    EXPECT_NE(refused.errorOutput.find("its argument %2 holds a line break"), std::string::npos) << refused.errorOutput;
    const LauncherRun missing = RunLauncher(L"1 \"" + folder_ + L"\\moved.cmd\" " + Token());
    EXPECT_EQ(missing.status, 2u) << missing.errorOutput;
    EXPECT_NE(missing.errorOutput.find(Utf8(SystemMessage(ERROR_FILE_NOT_FOUND))), std::string::npos)
        << missing.errorOutput;
    ExpectNothingStarted();
}

// The launcher's rerun with administrator rights, driven on the built
// launcher: Wine's "runas" starts it at once (without elevation), in the
// folder handed over, with the arguments exactly as written, and its status
// comes back.
TEST_F(LauncherEndToEnd, RerunStartsTheProgramInTheGivenFolderAndReturnsItsStatus) {
    if (const std::string prompt = ElevationPrompt(); !prompt.empty()) GTEST_SKIP() << prompt;
    const std::wstring launcher = folder_ + L"\\Corelim.exe";
    const std::wstring directory = folder_ + L"\\Program Files";
    const std::wstring arguments = Token() + LR"( "two words" "say \"hi\"" "dir\\" )" + L"\uD55C\uAD6D\uC5B4";
    const corelim::ElevatedRun run =
        corelim::RunElevated(ToUtf16(launcher), ToUtf16(L"1 probe.exe " + arguments), ToUtf16(directory));
    EXPECT_EQ(run.error, 0u);
    EXPECT_EQ(run.status, 0u);
    const auto records = AwaitRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].wideArgv, (std::vector<std::string>{records[0].wideArgv[0], token_, "two words", "say \"hi\"",
                                                             "dir\\", Utf8(L"\uD55C\uAD6D\uC5B4")}));
    EXPECT_EQ(records[0].currentDirectory, Utf8(directory));
    EXPECT_EQ(records[0].processAffinity, 1u);

    // The rerun has a console of its own, which closes with it: it shows its
    // report in a box too.
    corelim::ElevatedRun missing{};
    std::thread rerun([&] {
        missing = corelim::RunElevated(ToUtf16(launcher), ToUtf16(L"1 \"no such program.exe\" " + Token()),
                                       ToUtf16(directory));
    });
    const HWND box = corelim::test::WaitForLauncherBox();
    EXPECT_NE(box, nullptr) << "the rerun showed no box";
    if (box) {
        EXPECT_NE(corelim::test::GuiSession::MessageBoxText(box).find(L"\"no such program.exe\""), std::wstring::npos);
        corelim::test::GuiSession::Dismiss(box);
    }
    rerun.join();
    EXPECT_EQ(missing.error, 0u);
    EXPECT_EQ(missing.status, 2u);
}

// Windows refuses a program that needs administrator rights to a launcher
// without them, which Wine never does: the test build's child creator
// refuses the first start so. A launcher without those rights runs itself
// again, which starts the program confined, and ends with its status; one
// that has them reports the refusal.
TEST_F(LauncherEndToEnd, ProgramNeedingAdministratorRightsStartsThroughARerun) {
    if (const std::string prompt = ElevationPrompt(); !prompt.empty()) GTEST_SKIP() << prompt;
    SetEnvironmentVariableA("CORELIM_TEST_ELEVATION_REQUIRED", "1");
    const HANDLE limited = LimitedToken();
    if (!limited) GTEST_SKIP() << "this system gives no token without administrator rights to start a program with";
    const LauncherRun rerun = RunLauncher(L"1 probe.exe " + Token(), kElevationRequiredLauncher, limited);
    CloseHandle(limited);
    EXPECT_EQ(rerun.status, 0u) << rerun.errorOutput;
    EXPECT_EQ(rerun.errorOutput, "");
    const auto records = AwaitRecords(1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].processAffinity, 1u);
    FinishCase();
    StartCase();

    SetEnvironmentVariableA("CORELIM_TEST_ELEVATION_REQUIRED", "1");
    const LauncherRun elevated = RunLauncher(L"1 probe.exe " + Token(), kElevationRequiredLauncher);
    EXPECT_EQ(elevated.status, 2u);
    EXPECT_EQ(elevated.errorOutput.rfind("Corelim: cannot start \"probe.exe\": ", 0), 0u) << elevated.errorOutput;
    ExpectNothingStarted();
}

TEST_F(LauncherEndToEnd, MissingArgumentsPrintTheUsage) {
    for (const std::wstring arguments : {L"", L"1", L"\"1 probe.exe\""}) {
        const LauncherRun run = RunLauncher(arguments);
        EXPECT_EQ(run.status, 1u) << Utf8(arguments);
        EXPECT_EQ(run.errorOutput, kUsageLine) << Utf8(arguments);
        EXPECT_EQ(run.output, "") << Utf8(arguments);
    }
    ExpectNothingStarted();
}

}  // namespace
