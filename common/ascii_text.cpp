#include "ascii_text.h"

namespace corelim {

namespace {

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; }

}  // namespace

bool EndsWithAsciiNoCase(std::u16string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    const std::u16string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (Lower(tail[i]) != Lower(static_cast<char16_t>(static_cast<unsigned char>(ending[i])))) return false;
    }
    return true;
}

bool EqualsAsciiNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (Lower(a[i]) != Lower(b[i])) return false;
    }
    return true;
}

}  // namespace corelim
