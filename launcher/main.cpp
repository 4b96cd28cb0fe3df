#include <windows.h>

#include <cstdio>
#include <memory>
#include <string>

#include "launch_arguments.h"

namespace {

// CreateProcess's limit on a command line, in UTF-16 characters with the
// terminating null (the CreateProcessW documentation).
constexpr int kMaxCommandLine = 32767;

bool IsSystemLeadByte(unsigned char byte) { return IsDBCSLeadByte(byte) != FALSE; }

// The system's text for an error code, without the line break it ends with.
std::string SystemMessage(DWORD error) {
    char* text = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, error, 0, reinterpret_cast<char*>(&text), 0, nullptr);
    std::string message = length ? std::string(text, length) : "error " + std::to_string(error);
    LocalFree(text);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message;
}

// Starts the child suspended so that it runs no instruction, and starts no
// thread or process, before its affinity is set. A refused mask (0, or only
// processors the machine lacks) leaves the inherited affinity in place.
int StartConfined(const corelim::ChildLaunch& launch, const char* program) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};

    // CreateProcessA may write into the command line, so it gets a copy.
    const std::size_t size = launch.commandLine.size() + 1;
    const auto buffer = std::make_unique<char[]>(size);
    launch.commandLine.copy(buffer.get(), size - 1);
    buffer[size - 1] = '\0';

    if (!CreateProcessA(nullptr, buffer.get(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr,
                        nullptr, &startup, &process)) {
        const std::string reason = SystemMessage(GetLastError());
        // Over the limit, Windows reports a file name too long and Wine an
        // invalid parameter: neither points at the options, which quoting may
        // have made longer than the launcher's own command line.
        const int length = MultiByteToWideChar(CP_ACP, 0, buffer.get(), -1, nullptr, 0);
        if (length > kMaxCommandLine) {
            std::fprintf(stderr,
                         "Corelim: cannot start \"%s\": %s Its command line would be %d characters long, "
                         "over the %d Windows accepts; pass shorter or fewer options.\n",
                         program, reason.c_str(), length - 1, kMaxCommandLine);
        } else {
            std::fprintf(stderr, "Corelim: cannot start \"%s\": %s Check the program's path.\n", program,
                         reason.c_str());
        }
        return 2;
    }
    SetProcessAffinityMask(process.hProcess, static_cast<DWORD_PTR>(static_cast<DWORD>(launch.affinityMask)));
    int status = 0;
    if (ResumeThread(process.hThread) == static_cast<DWORD>(-1)) {
        // A child left suspended would hang unseen; end it instead.
        const std::string reason = SystemMessage(GetLastError());
        TerminateProcess(process.hProcess, 1);
        std::fprintf(stderr, "Corelim: cannot resume \"%s\" after setting its affinity: %s\n", program,
                     reason.c_str());
        status = 2;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return status;
}

// The launcher is often run from a downloads folder, where a DLL named like
// a system one may lie planted; process creation loads DLLs of its own.
// Take them from the system folder only (Windows 8 and later, and Windows 7
// with update KB2533623). Where that is missing, at least drop the current
// directory; gives true then, since that setting would reach the child.
bool RestrictDllSearchToSystemFolder() {
    using SetDefaultDllDirectoriesFn = BOOL WINAPI(DWORD);
    auto* setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn*>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    if (setDefault && setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32)) return false;
    return SetDllDirectoryW(L"") != FALSE;
}

}  // namespace

int main(int argc, char** argv) {
    const bool dllDirectorySet = RestrictDllSearchToSystemFolder();
    const auto launch = corelim::ParseLaunchArguments(argc, argv, IsSystemLeadByte);
    if (!launch) {
        std::fprintf(stderr, "%s\n", corelim::kUsageText);
        std::fflush(stderr);
        return 1;
    }
    // The program gets the system's usual DLL search, not the launcher's.
    if (dllDirectorySet) SetDllDirectoryW(nullptr);
    return StartConfined(*launch, argv[2]);
}
