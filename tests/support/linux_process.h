#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corelim::test {

// The kernel's view of a Windows process that runs under Wine, read from
// /proc through Wine's Z: drive. (A Windows program that opens /proc/self
// under Wine reads the Wine server's entry, not its own.)
struct LinuxTask {
    std::uint32_t id = 0;
    std::string name;             // comm
    std::uint64_t cpusAllowed = 0;
};

struct LinuxProcess {
    std::uint32_t id = 0;
    std::vector<std::string> commandLine;  // e.g. qemu-i386, the Wine loader, the Windows words
    std::vector<LinuxTask> tasks;
};

// Whether /proc is there to read (under Wine, with its Z: drive): on
// Windows, and in a prefix without Z:, the tests rely on what Windows
// reports alone.
bool LinuxProcessesVisible();

// The process whose first ".exe" word ends with `program` and which has
// `token` as one of its words.
std::optional<LinuxProcess> FindLinuxProcess(std::string_view program, std::string_view token);

// The tasks that run the Windows process's threads. Under qemu-user the
// emulator adds one helper thread (comm "wine", not the main thread) that
// Wine knows nothing of, so its affinity says nothing about the process's.
std::vector<LinuxTask> WindowsThreadTasks(const LinuxProcess& process);

}  // namespace corelim::test
