#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corelim::test {

// What one run of the probe program saw of its own start. The probe appends
// one record per run to the file named by CORELIM_PROBE_OUT and then, if
// CORELIM_PROBE_HOLD names a file, runs on while that file exists (five
// minutes at most), so that a test can look at the running process and
// delete the file once it has.
struct ProbeRecord {
    std::string module;                  // GetModuleFileNameW, in UTF-8 (test_text.h)
    std::uint32_t processId = 0;         // GetCurrentProcessId
    std::string commandLine;             // GetCommandLineW, in UTF-8
    std::vector<std::string> argv;       // as split by the ANSI C runtime
    std::vector<std::string> wideArgv;   // as split by the UTF-16 C runtime, in UTF-8
    std::string currentDirectory;        // GetCurrentDirectoryW, in UTF-8
    std::uint32_t processAffinity = 0;   // GetProcessAffinityMask
};

// The file holds records of "key=value" lines between "begin" and "end";
// values write a backslash as \\ and control bytes as \xHH.
std::string FormatProbeRecord(const ProbeRecord& record);
std::vector<ProbeRecord> ParseProbeRecords(std::string_view text);

// Every complete record in the file; none when the file does not exist.
std::vector<ProbeRecord> ReadProbeRecords(const std::wstring& path);

}  // namespace corelim::test
