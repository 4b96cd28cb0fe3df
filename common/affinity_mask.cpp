#include "affinity_mask.h"

namespace corelim {

namespace {

constexpr std::uint32_t kAllProcessors = 0xFFFFFFFFu;

bool IsCSpace(char16_t c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

}  // namespace

std::uint32_t ParseAffinityMask(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsCSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

    const std::uint64_t limit = negative ? 0x80000000u : 0xFFFFFFFFu;
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(text[i] - u'0');
        if (magnitude > limit) return kAllProcessors;
    }
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return negative ? 0u - bits : bits;
}

}  // namespace corelim
