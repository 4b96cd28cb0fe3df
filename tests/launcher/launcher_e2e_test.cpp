// Runs the built Corelim.exe under Wine and watches the probe it starts.
#include <windows.h>

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "build_tree.h"
#include "linux_process.h"
#include "probe_record.h"

namespace {

using corelim::testing::ProbeRecord;
using corelim::test::FromBuildTreeAnsi;

const char kUsageLine[] = "Usage: Corelim AffinityMask ExecFile [Option for ExecFile ...]\r\n";

std::string Quoted(const std::string& text) { return "\"" + text + "\""; }

DWORD OwnAffinity() {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &process, &system);
    return static_cast<DWORD>(process);
}

std::string SystemMessage(DWORD error) {
    char text[512] = {};
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                                  text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\n' || text[length - 1] == '\r' || text[length - 1] == ' ')) --length;
    return std::string(text, length);
}

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
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        folder_ = std::string(temp) + "corelim-e2e-" + std::to_string(GetCurrentProcessId());
        const std::string probe = FromBuildTreeAnsi(CORELIM_PROBE_EXE);
        ASSERT_TRUE(CreateDirectoryA(folder_.c_str(), nullptr));
        ASSERT_TRUE(CopyFileA(FromBuildTreeAnsi(CORELIM_LAUNCHER_EXE).c_str(), (folder_ + "\\Corelim.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(probe.c_str(), (folder_ + "\\probe.exe").c_str(), FALSE));
        // A program under a folder with a blank, and the trap an unquoted
        // path walks into: "<folder>\Program" is tried as Program.exe first.
        ASSERT_TRUE(CreateDirectoryA((folder_ + "\\Program Files").c_str(), nullptr));
        ASSERT_TRUE(CreateDirectoryA((folder_ + "\\Program Files\\App").c_str(), nullptr));
        ASSERT_TRUE(CopyFileA(probe.c_str(), (folder_ + "\\Program Files\\App\\probe.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(probe.c_str(), (folder_ + "\\Program.exe").c_str(), FALSE));
    }

    static void TearDownTestSuite() {
        for (const char* file : {"\\Program Files\\App\\probe.exe", "\\Program.exe", "\\probe.exe", "\\Corelim.exe"}) {
            DeleteFileA((folder_ + file).c_str());
        }
        RemoveDirectoryA((folder_ + "\\Program Files\\App").c_str());
        RemoveDirectoryA((folder_ + "\\Program Files").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    void SetUp() override { StartCase(); }
    void TearDown() override { FinishCase(); }

    // Each case gets its own token and record file.
    void StartCase() {
        const auto* test = ::testing::UnitTest::GetInstance()->current_test_info();
        // Unique across Wine prefixes too: other builds may run these tests at the same time.
        token_ = std::string("token-") + test->name() + "-" + std::to_string(std::random_device{}()) + "-" +
                 std::to_string(++cases_);
        recordFile_ = folder_ + "\\" + token_ + ".txt";
        SetEnvironmentVariableA("CORELIM_PROBE_OUT", recordFile_.c_str());
        SetEnvironmentVariableA("CORELIM_PROBE_LINGER_MS", nullptr);
    }

    // Waits for the probes of the case to end, so the folder can go.
    void FinishCase() {
        for (const auto& record : corelim::testing::ReadProbeRecords(recordFile_)) {
            if (const HANDLE probe = OpenProcess(SYNCHRONIZE, FALSE, record.processId)) {
                WaitForSingleObject(probe, 30000);
                CloseHandle(probe);
            }
        }
        DeleteFileA(recordFile_.c_str());
    }

    // Runs Corelim.exe in the test folder with the given arguments.
    static LauncherRun RunLauncher(const std::string& arguments) {
        Pipe output;
        Pipe errors;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
        startup.hStdOutput = output.writeEnd();
        startup.hStdError = errors.writeEnd();
        std::string commandLine = Quoted(folder_ + "\\Corelim.exe") + " " + arguments;
        PROCESS_INFORMATION process{};
        LauncherRun run;
        if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, folder_.c_str(),
                            &startup, &process)) {
            ADD_FAILURE() << "cannot start Corelim.exe: " << SystemMessage(GetLastError());
            return run;
        }
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
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
        for (;;) {
            auto records = corelim::testing::ReadProbeRecords(recordFile_);
            if (records.size() >= count || std::chrono::steady_clock::now() > deadline) return records;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
    }

    // Starts the probe through the launcher with `mask` and checks the
    // affinity the probe reports and the kernel's view of its threads.
    void ExpectConfinedTo(const std::string& mask, DWORD expected) {
        SetEnvironmentVariableA("CORELIM_PROBE_LINGER_MS", "3000");
        const LauncherRun run = RunLauncher(mask + " probe.exe " + token_);
        EXPECT_EQ(run.status, 0u) << run.errorOutput;
        EXPECT_EQ(run.errorOutput, "");
        const auto records = AwaitRecords(1);
        ASSERT_EQ(records.size(), 1u) << "mask " << mask;
        EXPECT_EQ(records[0].processAffinity, expected) << "mask " << mask;

        const auto process = corelim::testing::FindLinuxProcess("probe.exe", token_);
        ASSERT_TRUE(process) << "no Linux process runs the probe with " << token_;
        const auto tasks = corelim::testing::WindowsThreadTasks(*process);
        ASSERT_FALSE(tasks.empty());
        for (const auto& task : tasks) {
            EXPECT_EQ(task.cpusAllowed, expected) << "mask " << mask << ", task " << task.id << " (" << task.name << ")";
        }
    }

    static std::string folder_;
    int cases_ = 0;
    std::string token_;
    std::string recordFile_;
};

std::string LauncherEndToEnd::folder_;

TEST_F(LauncherEndToEnd, ConfinesTheChildToTheMask) {
    const DWORD available = OwnAffinity();
    for (const DWORD mask : {1u, 2u, 3u}) {
        if ((mask & available) != mask) continue;  // processors this machine lacks
        ExpectConfinedTo(std::to_string(mask), mask);
        FinishCase();
        StartCase();
    }
}

// The platform refuses 0 and masks naming processors the machine lacks; the
// child then keeps the launcher's affinity and the launch still succeeds.
TEST_F(LauncherEndToEnd, RefusedMaskLeavesTheInheritedAffinity) {
    for (const char* mask : {"0", "-1"}) {
        ExpectConfinedTo(mask, OwnAffinity());
        FinishCase();
        StartCase();
    }
}

TEST_F(LauncherEndToEnd, ArgumentsArriveWholeAndTheBlankPathTrapStaysShut) {
    const std::string program = folder_ + "\\Program Files\\App\\probe.exe";
    // "表" (0x95 0x5C) ends in the backslash byte; "日本語" is plain double-byte text.
    const std::vector<std::string> expectedArgv{
        program, token_, "two words", "\x93\xfa\x96{\x8c\xea \x95\x5C", "\x95\x5C\"", "", R"(a\"b c\)"};
    // The launcher's own command line quotes them as the child's must.
    const std::string options = token_ + " \"two words\" \"\x93\xfa\x96{\x8c\xea \x95\x5C\" \"\x95\x5C\\\"\" \"\" " +
                                R"("a\\\"b c\\")";

    const LauncherRun run = RunLauncher("1 " + Quoted(program) + " " + options);
    EXPECT_EQ(run.status, 0u) << run.errorOutput;
    EXPECT_EQ(run.errorOutput, "");
    const auto records = AwaitRecords(1);
    ASSERT_EQ(records.size(), 1u);
    const ProbeRecord& probe = records[0];
    EXPECT_EQ(probe.module, program) << "the program planted at \"" << folder_ << "\\Program.exe\" ran";
    EXPECT_EQ(probe.commandLine, Quoted(program) + " " + options + " ");
    EXPECT_EQ(probe.argv, expectedArgv);
    EXPECT_EQ(probe.wideArgv, expectedArgv);
    EXPECT_EQ(probe.currentDirectory, folder_);
    EXPECT_EQ(probe.processAffinity, 1u);

    // A trap run would have written a second record by now.
    Sleep(2000);
    EXPECT_EQ(corelim::testing::ReadProbeRecords(recordFile_).size(), 1u);
}

TEST_F(LauncherEndToEnd, MissingProgramIsReportedWithStatus2) {
    const std::string program = folder_ + "\\no such program.exe";
    const LauncherRun run = RunLauncher("1 " + Quoted(program) + " " + token_);
    EXPECT_EQ(run.status, 2u);
    EXPECT_EQ(run.output, "");
    EXPECT_NE(run.errorOutput.find(program), std::string::npos) << run.errorOutput;
    EXPECT_NE(run.errorOutput.find(SystemMessage(ERROR_FILE_NOT_FOUND)), std::string::npos) << run.errorOutput;
    ASSERT_GE(run.errorOutput.size(), 2u);
    EXPECT_EQ(run.errorOutput.find('\n'), run.errorOutput.size() - 1) << "one line: " << run.errorOutput;
    EXPECT_TRUE(AwaitRecords(0).empty());
}

// The launcher's own line fits the platform's 32,767 characters, but the
// child's does not: an argument with a blank must be quoted whole, which
// doubles the backslashes it ends in. Written here with only the blank
// quoted, its trailing backslashes stay single.
TEST_F(LauncherEndToEnd, ChildCommandLineOverThePlatformLimitIsReportedWithStatus2) {
    const std::string backslashes(20000, '\\');
    const LauncherRun run = RunLauncher("1 probe.exe " + token_ + " a\" \"b" + backslashes);
    EXPECT_EQ(run.status, 2u) << run.errorOutput;
    EXPECT_EQ(run.output, "");
    EXPECT_EQ(run.errorOutput.rfind("Corelim: cannot start \"probe.exe\": ", 0), 0u) << run.errorOutput;
    EXPECT_NE(run.errorOutput.find("over the 32767 Windows accepts"), std::string::npos) << run.errorOutput;
    ASSERT_GE(run.errorOutput.size(), 2u);
    EXPECT_EQ(run.errorOutput.find('\n'), run.errorOutput.size() - 1) << "one line: " << run.errorOutput;
    Sleep(2000);
    EXPECT_TRUE(corelim::testing::ReadProbeRecords(recordFile_).empty());
}

TEST_F(LauncherEndToEnd, MissingArgumentsPrintTheUsage) {
    for (const std::string arguments : {"", "1", "\"1 probe.exe\""}) {
        const LauncherRun run = RunLauncher(arguments);
        EXPECT_EQ(run.status, 1u) << arguments;
        EXPECT_EQ(run.errorOutput, kUsageLine) << arguments;
        EXPECT_EQ(run.output, "") << arguments;
    }
    Sleep(2000);
    EXPECT_TRUE(corelim::testing::ReadProbeRecords(recordFile_).empty());
}

}  // namespace
