// The path routines over random bytes, read as code page 932 and as a
// single-byte code page: the pieces add up to the input, every split falls
// on a character boundary, so no double-byte character is cut and no second
// byte 0x5C is taken for a backslash. Reads past the end trip the sanitizers
// or the library's bounds checks, both on in the fuzz build.
//
// Input: the first byte's low bit picks the code page and its next three bits
// the length of the new extension, which follows; the rest is the file name.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "path_routines.h"

namespace {

using corelim::LeadByteRule;

// Which offsets of the text start a character, reading from its start; the
// end of the text counts as one.
std::vector<bool> CharacterStarts(const std::string& text, const LeadByteRule& rule) {
    std::vector<bool> starts(text.size() + 1);
    for (std::size_t i = 0; i < text.size(); i += rule.IsLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1) {
        starts[i] = true;
    }
    starts[text.size()] = true;
    return starts;
}

// The first character at or after `from` that is one of `bytes`.
std::size_t FindCharacter(const std::string& text, const std::vector<bool>& starts, std::size_t from,
                          std::string_view bytes) {
    for (std::size_t i = from; i < text.size(); ++i) {
        if (starts[i] && bytes.find(text[i]) != std::string_view::npos) return i;
    }
    return std::string::npos;
}

[[noreturn]] void Fail(const char* property, const std::string& fileName, const std::string& result) {
    std::fprintf(stderr, "%s\n  file name [", property);
    for (const char c : fileName) std::fprintf(stderr, "%02X", static_cast<unsigned char>(c));
    std::fputs("]\n  result    [", stderr);
    for (const char c : result) std::fprintf(stderr, "%02X", static_cast<unsigned char>(c));
    std::fputs("]\n", stderr);
    std::abort();
}

void CheckSplit(const std::string& fileName, const LeadByteRule& rule) {
    const auto starts = CharacterStarts(fileName, rule);
    const auto isSeparatorAt = [&](std::size_t i) {
        return starts[i] && (fileName[i] == '\\' || fileName[i] == '/' || fileName[i] == ':');
    };
    const std::string path = corelim::ExtractFilePath(fileName, rule);
    const std::string name = corelim::ExtractFileName(fileName, rule);
    if (path + name != fileName) Fail("ExtractFilePath + ExtractFileName is not the file name", fileName, path + name);
    if (!path.empty() && !isSeparatorAt(path.size() - 1)) {
        Fail("ExtractFilePath does not end in a separator that starts a character", fileName, path);
    }
    if (FindCharacter(fileName, starts, path.size(), "\\/:") != std::string::npos) {
        Fail("ExtractFileName holds a separator", fileName, name);
    }

    // A root ("C:\", "\", "/") or a doubled separator keeps its backslash or slash.
    const std::string dir = corelim::ExtractFileDir(fileName, rule);
    const bool trimmed = path.size() >= 2 && path.back() != ':' && !isSeparatorAt(path.size() - 2);
    if (dir != (trimmed ? path.substr(0, path.size() - 1) : path)) Fail("ExtractFileDir", fileName, dir);
}

void CheckChangeFileExt(const std::string& fileName, const std::string& extension, const LeadByteRule& rule) {
    const std::string path = corelim::ExtractFilePath(fileName, rule);
    const std::string changed = corelim::ChangeFileExt(fileName, extension, rule);
    if (changed.size() < path.size() + extension.size() || changed.compare(0, path.size(), path) != 0 ||
        changed.compare(changed.size() - extension.size(), extension.size(), extension) != 0) {
        Fail("ChangeFileExt does not keep the folder and end in the extension", fileName, changed);
    }
    // What stays of the name is all of it when it has no dot, else the part
    // before its last dot. Its characters start where the folder ends.
    const std::string name = corelim::ExtractFileName(fileName, rule);
    const auto starts = CharacterStarts(name, rule);
    const std::string stem = changed.substr(path.size(), changed.size() - path.size() - extension.size());
    const std::size_t firstDot = FindCharacter(name, starts, 0, ".");
    const bool whole = stem == name && firstDot == std::string::npos;
    const bool beforeLastDot = name.compare(0, stem.size(), stem) == 0 &&
                               FindCharacter(name, starts, stem.size(), ".") == stem.size() &&
                               FindCharacter(name, starts, stem.size() + 1, ".") == std::string::npos;
    if (!whole && !beforeLastDot) Fail("ChangeFileExt does not cut at the name's last dot", fileName, changed);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return -1;
    const LeadByteRule rule = (data[0] & 1) != 0 ? LeadByteRule::CodePage932() : LeadByteRule::SingleByte();
    const std::size_t extensionSize = std::min<std::size_t>((data[0] >> 1) & 7, size - 1);
    const auto* text = reinterpret_cast<const char*>(data + 1);
    const std::string extension(text, extensionSize);
    const std::string fileName(text + extensionSize, size - 1 - extensionSize);

    CheckSplit(fileName, rule);
    CheckChangeFileExt(fileName, extension, rule);
    return 0;
}
