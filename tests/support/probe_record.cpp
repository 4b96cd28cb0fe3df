#include "probe_record.h"

#include <fstream>
#include <iterator>
#include <sstream>

namespace corelim::test {

namespace {

std::string Escape(std::string_view value) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string text;
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '\\') {
            text += "\\\\";
        } else if (byte < 0x20 || byte == 0x7F) {
            text += "\\x";
            text += kHex[byte >> 4];
            text += kHex[byte & 0xF];
        } else {
            text += c;
        }
    }
    return text;
}

std::string Unescape(std::string_view text) {
    std::string value;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\' || i + 1 == text.size()) {
            value += text[i];
        } else if (text[i + 1] == 'x' && i + 3 < text.size()) {
            value += static_cast<char>(std::stoi(std::string(text.substr(i + 2, 2)), nullptr, 16));
            i += 3;
        } else {
            value += text[++i];
        }
    }
    return value;
}

void Field(std::ostringstream& out, const char* key, std::string_view value) {
    out << key << '=' << Escape(value) << '\n';
}

std::uint32_t Number(const std::string& text) {
    return static_cast<std::uint32_t>(std::stoul(text));
}

}  // namespace

std::string FormatProbeRecord(const ProbeRecord& record) {
    std::ostringstream out;
    out << "begin\n";
    Field(out, "module", record.module);
    Field(out, "process_id", std::to_string(record.processId));
    Field(out, "command_line", record.commandLine);
    for (const auto& word : record.argv) Field(out, "argv", word);
    for (const auto& word : record.wideArgv) Field(out, "wide_argv", word);
    Field(out, "current_directory", record.currentDirectory);
    Field(out, "process_affinity", std::to_string(record.processAffinity));
    out << "end\n";
    return out.str();
}

std::vector<ProbeRecord> ParseProbeRecords(std::string_view text) {
    std::vector<ProbeRecord> records;
    ProbeRecord record;
    std::istringstream in{std::string(text)};
    for (std::string line; std::getline(in, line);) {
        if (line == "begin") {
            record = ProbeRecord{};
            continue;
        }
        if (line == "end") {
            records.push_back(record);
            continue;
        }
        const auto equals = line.find('=');
        if (equals == std::string::npos) continue;
        const std::string key = line.substr(0, equals);
        const std::string value = Unescape(std::string_view(line).substr(equals + 1));
        if (key == "module") record.module = value;
        else if (key == "process_id") record.processId = Number(value);
        else if (key == "command_line") record.commandLine = value;
        else if (key == "argv") record.argv.push_back(value);
        else if (key == "wide_argv") record.wideArgv.push_back(value);
        else if (key == "current_directory") record.currentDirectory = value;
        else if (key == "process_affinity") record.processAffinity = Number(value);
    }
    return records;
}

std::vector<ProbeRecord> ReadProbeRecords(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    const std::string text((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    return ParseProbeRecords(text);
}

}  // namespace corelim::test
