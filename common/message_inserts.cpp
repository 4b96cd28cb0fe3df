#include "message_inserts.h"

namespace corelim {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

}  // namespace

std::u16string FillMessageInserts(std::u16string_view message, std::u16string_view path) {
    std::u16string text;
    std::size_t i = 0;
    while (i < message.size()) {
        const char16_t c = message[i++];
        if (c != u'%' || i == message.size()) {
            text += c;
            continue;
        }
        if (!IsDigit(message[i])) {
            text += message[i++];
            continue;
        }
        const bool first = message[i] == u'1' && (i + 1 == message.size() || !IsDigit(message[i + 1]));
        i += i + 1 < message.size() && IsDigit(message[i + 1]) ? 2 : 1;
        if (i < message.size() && message[i] == u'!') {
            const std::size_t end = message.find(u'!', i + 1);
            if (end != std::u16string_view::npos) i = end + 1;
        }
        text += first ? path : u"\u2026";
    }
    return text;
}

}  // namespace corelim
