#include "path_routines.h"

#include <cstdio>

namespace corelim {

namespace {

constexpr std::size_t kNone = std::string::npos;

// Index of the last byte of `text` that is one of `delimiters` and not the
// second byte of a double-byte character; kNone when there is none. The scan
// runs forward because only a forward scan knows where characters begin.
std::size_t LastDelimiter(const std::string& text, const char* delimiters, const LeadByteRule& rule) {
    std::size_t found = kNone;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (rule.IsLeadByte(byte)) {
            ++i;  // its second byte is never a delimiter
            continue;
        }
        for (const char* d = delimiters; *d != '\0'; ++d) {
            if (text[i] == *d) {
                found = i;
            }
        }
    }
    return found;
}

constexpr char kSeparators[] = "\\/:";

}  // namespace

LeadByteRule LeadByteRule::SingleByte() {
    return LeadByteRule(std::bitset<256>());
}

LeadByteRule LeadByteRule::CodePage932() {
    std::bitset<256> lead;
    for (unsigned byte = 0x81; byte <= 0x9F; ++byte) {
        lead.set(byte);
    }
    for (unsigned byte = 0xE0; byte <= 0xFC; ++byte) {
        lead.set(byte);
    }
    return LeadByteRule(lead);
}

std::string ExtractFilePath(const std::string& fileName, const LeadByteRule& rule) {
    const std::size_t sep = LastDelimiter(fileName, kSeparators, rule);
    return sep == kNone ? std::string() : fileName.substr(0, sep + 1);
}

std::string ExtractFileDir(const std::string& fileName, const LeadByteRule& rule) {
    const std::string path = ExtractFilePath(fileName, rule);
    if (path.size() < 2 || path.back() == ':') {
        return path;
    }
    // The byte before the trailing separator ends a character of its own,
    // since that separator was found as one; it is a separator itself only
    // when it is not the second byte of a double-byte character.
    const std::string head = path.substr(0, path.size() - 1);
    const std::size_t prev = LastDelimiter(head, kSeparators, rule);
    const bool rootOrDoubled = prev != kNone && prev == head.size() - 1;
    return rootOrDoubled ? path : head;
}

std::string ExtractFileName(const std::string& fileName, const LeadByteRule& rule) {
    const std::size_t sep = LastDelimiter(fileName, kSeparators, rule);
    return sep == kNone ? fileName : fileName.substr(sep + 1);
}

std::string ChangeFileExt(const std::string& fileName, const std::string& extension,
                          const LeadByteRule& rule) {
    const std::size_t last = LastDelimiter(fileName, ".\\/:", rule);
    if (last == kNone || fileName[last] != '.') {
        return fileName + extension;
    }
    return fileName.substr(0, last) + extension;
}

std::string IntToStr(int value) {
    char text[16];
    std::snprintf(text, sizeof text, "%i", value);
    return text;
}

}  // namespace corelim
