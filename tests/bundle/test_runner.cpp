// Runs every *_test.exe in its own folder, one after another, and sums up
// their GoogleTest cases: each failing (and skipped) case is shown with what
// it printed, and the last line is "N passed, N failed, N skipped". Each
// program's whole output is kept in output\NAME.txt beside it. Exits 0 only
// when no case failed.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "staged_folder.h"
#include "test_text.h"

namespace {

using corelim::test::Utf8;

// Long enough for the slowest program under emulation; a program that runs
// longer is taken to hang.
constexpr DWORD kProgramLimitMs = 30 * 60 * 1000;

struct Counts {
    int passed = 0;
    int failed = 0;
    int skipped = 0;
};

std::wstring OwnFolder() {
    std::wstring path(32768, L'\0');
    path.resize(GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path.substr(0, path.find_last_of(L'\\'));
}

std::vector<std::wstring> TestPrograms(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((folder + L"\\*_test.exe").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return names;
    do names.push_back(entry.cFileName);
    while (FindNextFileW(find, &entry));
    FindClose(find);
    std::sort(names.begin(), names.end());
    return names;
}

// The user's desktop folder as the registry names it. The window tests
// point it at a folder of their own and back; a program that ends midway
// would leave it pointing there.
class SavedDesktopSetting {
public:
    SavedDesktopSetting() {
        DWORD size = sizeof value_;
        present_ = RegGetValueW(HKEY_CURRENT_USER, kKey, L"Desktop", RRF_RT_ANY | RRF_NOEXPAND, &type_, value_,
                                &size) == ERROR_SUCCESS;
        size_ = size;
    }

    void Restore() const {
        wchar_t now[MAX_PATH * 2] = {};
        DWORD type = 0;
        DWORD size = sizeof now;
        const bool present = RegGetValueW(HKEY_CURRENT_USER, kKey, L"Desktop", RRF_RT_ANY | RRF_NOEXPAND, &type, now,
                                          &size) == ERROR_SUCCESS;
        if (present == present_ && (!present || (type == type_ && size == size_ && !std::memcmp(now, value_, size))))
            return;
        if (present_) {
            RegSetKeyValueW(HKEY_CURRENT_USER, kKey, L"Desktop", type_, value_, size_);
        } else {
            RegDeleteKeyValueW(HKEY_CURRENT_USER, kKey, L"Desktop");
        }
        std::printf("  (the desktop folder's setting was left changed and is put back)\n");
    }

private:
    static constexpr wchar_t kKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
    bool present_ = false;
    DWORD type_ = 0;
    DWORD size_ = 0;
    wchar_t value_[MAX_PATH * 2] = {};
};

// Folders under Temp that a program which ended midway left staged.
void RemoveLeftFolders(DWORD processId) {
    const std::wstring start = corelim::test::StagedFolderStart(processId);
    const std::wstring parent = start.substr(0, start.find_last_of(L'\\') + 1);
    WIN32_FIND_DATAW entry;
    const HANDLE find = FindFirstFileW((start + L"*").c_str(), &entry);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::wstring path = parent + entry.cFileName;
        if (!corelim::test::RemoveTree(path)) std::printf("  cannot remove %s\n", Utf8(path).c_str());
    } while (FindNextFileW(find, &entry));
    FindClose(find);
}

bool StartsWith(const std::string& line, const char* start) { return line.rfind(start, 0) == 0; }

// A case's result line ends in its time, "[  FAILED  ] Suite.Name (12 ms)";
// the summary's lines name the same cases without it.
void Tally(const std::string& output, Counts& counts, int& programFailures) {
    std::string block;
    std::size_t from = 0;
    while (from < output.size()) {
        std::size_t end = output.find('\n', from);
        if (end == std::string::npos) end = output.size();
        std::string line = output.substr(from, end - from);
        from = end + 1;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (StartsWith(line, "[ RUN      ]")) block.clear();
        block += line + "\n";
        if (line.size() < 4 || line.compare(line.size() - 4, 4, " ms)") != 0) continue;
        if (StartsWith(line, "[       OK ]")) {
            ++counts.passed;
        } else if (StartsWith(line, "[  FAILED  ]")) {
            ++counts.failed;
            ++programFailures;
            std::fputs(block.c_str(), stdout);
        } else if (StartsWith(line, "[  SKIPPED ]")) {
            ++counts.skipped;
            std::fputs(block.c_str(), stdout);
        }
    }
}

// Runs one program with its output in `log`, and counts its cases. A
// program that ends badly without a failing case counts as one failure.
void RunProgram(const std::wstring& folder, const std::wstring& name, const std::wstring& log, Counts& counts) {
    std::printf("%s\n", Utf8(name).c_str());
    std::fflush(stdout);
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    const HANDLE output = CreateFileW(log.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
                                      CREATE_ALWAYS, 0, nullptr);
    if (output == INVALID_HANDLE_VALUE) {
        std::printf("  cannot write %s (error %lu)\n", Utf8(log).c_str(), GetLastError());
        ++counts.failed;
        return;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = output;
    startup.hStdError = output;
    const std::wstring path = folder + L"\\" + name;
    std::wstring commandLine = L"\"" + path + L"\"";
    const SavedDesktopSetting desktop;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        folder.c_str(), &startup, &process);
    CloseHandle(output);
    if (!started) {
        std::printf("  cannot start it (error %lu)\n", GetLastError());
        ++counts.failed;
        return;
    }
    DWORD status = 0;
    if (WaitForSingleObject(process.hProcess, kProgramLimitMs) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, INFINITE);
        std::printf("  still ran after %lu minutes and was ended\n", kProgramLimitMs / 60000);
    }
    GetExitCodeProcess(process.hProcess, &status);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);

    std::ifstream file(log.c_str(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    int failures = 0;
    Tally(text, counts, failures);
    if (status != 0 && failures == 0) {
        std::printf("  ended with status %lu and no failing case; its output is in %s\n", status, Utf8(log).c_str());
        ++counts.failed;
    }
    desktop.Restore();
    RemoveLeftFolders(process.dwProcessId);
}

}  // namespace

int main() {
    const std::wstring folder = OwnFolder();
    const auto programs = TestPrograms(folder);
    if (programs.empty()) {
        std::printf("no *_test.exe beside %s: unzip the whole test bundle\n", Utf8(folder).c_str());
        return 1;
    }
    const std::wstring logs = folder + L"\\output";
    CreateDirectoryW(logs.c_str(), nullptr);
    Counts counts;
    for (const auto& name : programs) {
        RunProgram(folder, name, logs + L"\\" + name.substr(0, name.size() - 4) + L".txt", counts);
    }
    std::printf("%d passed, %d failed, %d skipped\n", counts.passed, counts.failed, counts.skipped);
    return counts.failed == 0 ? 0 : 1;
}
