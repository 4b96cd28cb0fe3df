#include "affinity_mask.h"

namespace corelim {

namespace {

bool IsCSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

}  // namespace

std::int32_t ParseAffinityMask(const char* text) {
    while (IsCSpace(*text)) ++text;
    bool negative = false;
    if (*text == '+' || *text == '-') negative = (*text++ == '-');

    // Accumulate towards the sign so that INT32_MIN itself is representable.
    const std::int64_t limit = negative ? -std::int64_t{INT32_MIN} : std::int64_t{INT32_MAX};
    std::int64_t magnitude = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        magnitude = magnitude * 10 + (*text - '0');
        if (magnitude > limit) {
            magnitude = limit;
        }
    }
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

}  // namespace corelim
