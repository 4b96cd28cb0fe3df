#include "linux_process.h"

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <sstream>

#include "ascii_text.h"
#include "file_bytes.h"
#include "folder_entries.h"
#include "wide_text.h"

namespace corelim::test {

namespace {

const std::string kProc = "Z:\\proc";

std::string ReadText(const std::string& path) {
    const std::vector<unsigned char> bytes = ReadBytes(Widen(path, CP_ACP));
    return std::string(bytes.begin(), bytes.end());
}

std::vector<std::string> SplitAtNul(const std::string& text) {
    std::vector<std::string> words;
    std::istringstream in(text);
    for (std::string word; std::getline(in, word, '\0');) words.push_back(word);
    return words;
}

// The entries of /proc and of a process's task folder that are ids.
std::vector<std::string> ListNumericEntries(const std::string& folder) {
    std::vector<std::string> names = corelim::test::FolderEntries(folder);
    names.erase(std::remove_if(names.begin(), names.end(),
                               [](const std::string& name) {
                                   return !std::all_of(name.begin(), name.end(),
                                                       [](unsigned char c) { return std::isdigit(c); });
                               }),
                names.end());
    return names;
}

// A word of a command line (UTF-8) ends with `end`, as the file system compares names.
bool WordEndsWith(const std::string& word, std::string_view end) {
    return EndsWithAsciiNoCase(Widen<std::u16string>(word, CP_UTF8), end);
}

LinuxTask ReadTask(const std::string& folder, const std::string& id) {
    LinuxTask task;
    task.id = static_cast<std::uint32_t>(std::stoul(id));
    std::istringstream status(ReadText(folder + "\\" + id + "\\status"));
    for (std::string line; std::getline(status, line);) {
        const auto colon = line.find(':');
        if (colon == std::string::npos) continue;
        const std::string key = line.substr(0, colon);
        std::string value = line.substr(colon + 1);
        value.erase(std::remove_if(value.begin(), value.end(), [](char c) { return c == '\t' || c == ' ' || c == ','; }),
                    value.end());
        if (key == "Name") task.name = value;
        if (key == "Cpus_allowed") task.cpusAllowed = std::stoull(value, nullptr, 16);
    }
    return task;
}

}  // namespace

bool LinuxProcessesVisible() { return GetFileAttributesA((kProc + "\\self").c_str()) != INVALID_FILE_ATTRIBUTES; }

std::optional<LinuxProcess> FindLinuxProcess(std::string_view program, std::string_view token) {
    for (const auto& id : ListNumericEntries(kProc)) {
        const auto words = SplitAtNul(ReadText(kProc + "\\" + id + "\\cmdline"));
        const auto exe = std::find_if(words.begin(), words.end(), [](const std::string& w) { return WordEndsWith(w, ".exe"); });
        if (exe == words.end() || !WordEndsWith(*exe, program)) continue;
        if (std::find(words.begin(), words.end(), token) == words.end()) continue;

        LinuxProcess process;
        process.id = static_cast<std::uint32_t>(std::stoul(id));
        process.commandLine = words;
        const std::string tasks = kProc + "\\" + id + "\\task";
        for (const auto& task : ListNumericEntries(tasks)) process.tasks.push_back(ReadTask(tasks, task));
        return process;
    }
    return std::nullopt;
}

std::vector<LinuxTask> WindowsThreadTasks(const LinuxProcess& process) {
    const bool underQemu = !process.commandLine.empty() && process.commandLine[0].find("qemu-") != std::string::npos;
    std::vector<LinuxTask> tasks;
    for (const auto& task : process.tasks) {
        if (underQemu && task.id != process.id && task.name == "wine") continue;
        tasks.push_back(task);
    }
    return tasks;
}

}  // namespace corelim::test
