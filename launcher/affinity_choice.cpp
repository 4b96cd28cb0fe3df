#include "affinity_choice.h"

#include "decimal_text.h"

namespace corelim {

namespace {

constexpr std::uint32_t kEveryProcessor = 0xFFFFFFFF;

// "processor 2", "processors 0, 1", "processors 2, 4-31": runs of three or
// more as a range.
std::u16string Processors(std::uint32_t mask) {
    std::u16string list;
    unsigned count = 0;
    for (unsigned first = 0; first < 32; ++first) {
        if (!((mask >> first) & 1)) continue;
        unsigned last = first;
        while (last + 1 < 32 && ((mask >> (last + 1)) & 1)) ++last;
        count += last - first + 1;
        if (!list.empty()) list += u", ";
        list += Decimal(first);
        if (last == first + 1) list += u", " + Decimal(last);
        if (last > first + 1) list += u"-" + Decimal(last);
        first = last;
    }
    return (count == 1 ? u"processor " : u"processors ") + list;
}

}  // namespace

AffinityChoice ChooseAffinity(std::uint32_t system, std::uint32_t inherited, std::uint32_t requested,
                              std::u16string_view program) {
    if (system == 0) return {requested, {}};
    if (requested == kEveryProcessor) return {system, {}};
    const std::uint32_t missing = requested & ~system;
    if (requested != 0 && missing == 0) return {requested, {}};

    const std::u16string start = u"Corelim: mask " + Decimal(requested);
    const std::u16string name = u"\"" + std::u16string(program) + u"\"";
    const std::u16string keeps = name + u" keeps the affinity it inherited: " + Processors(inherited) + u".";
    if (requested == 0) return {std::nullopt, start + u" names no processor; " + keeps};
    const std::u16string lacks = start + u" names " + Processors(missing) + u", which this machine lacks; ";
    const std::uint32_t kept = requested & system;
    if (kept == 0) return {std::nullopt, lacks + keeps};
    return {kept, lacks + name + u" runs on " + Processors(kept) + u" only."};
}

}  // namespace corelim
