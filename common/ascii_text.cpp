#include "ascii_text.h"

namespace corelim {

bool EndsWithAsciiNoCase(std::u16string_view text, std::string_view ending) {
    if (text.size() < ending.size()) return false;
    const auto lower = [](char16_t c) { return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c + 32) : c; };
    const std::u16string_view tail = text.substr(text.size() - ending.size());
    for (std::size_t i = 0; i < ending.size(); ++i) {
        if (lower(tail[i]) != lower(static_cast<char16_t>(static_cast<unsigned char>(ending[i])))) return false;
    }
    return true;
}

}  // namespace corelim
