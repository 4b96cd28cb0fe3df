#include "affinity_choice.h"

#include "decimal_text.h"
#include "processor_runs.h"

namespace corelim {

namespace {

constexpr std::uint32_t kEveryProcessor = 0xFFFFFFFF;

// "processor 2", "processors 0, 1", "processors 2, 4-31": runs of three or
// more as a range.
std::u16string Processors(std::uint32_t mask) {
    std::u16string list;
    for (const ProcessorRun run : ProcessorRuns(mask)) {
        if (!list.empty()) list += u", ";
        list += Decimal(run.first);
        if (run.last == run.first + 1) list += u", " + Decimal(run.last);
        if (run.last > run.first + 1) list += u"-" + Decimal(run.last);
    }
    return ((mask & (mask - 1)) == 0 ? u"processor " : u"processors ") + list;
}

std::u16string Keeps(const std::u16string& name, std::uint32_t inherited) {
    return name + u" keeps the affinity it inherited: " + Processors(inherited) + u".";
}

}  // namespace

std::u16string AffinityRefusalLine(std::uint32_t applied, std::uint32_t inherited, std::u16string_view program,
                                   std::u16string_view reason) {
    return u"Corelim: the system refused mask " + Decimal(applied) + u" (" + std::u16string(reason) + u"); " +
           Keeps(u"\"" + std::u16string(program) + u"\"", inherited);
}

AffinityChoice ChooseAffinity(std::uint32_t system, std::uint32_t inherited, std::uint32_t requested,
                              std::u16string_view program) {
    if (system == 0) return {requested, {}};
    if (requested == kEveryProcessor) return {system, {}};
    const std::uint32_t missing = requested & ~system;
    if (requested != 0 && missing == 0) return {requested, {}};

    const std::u16string start = u"Corelim: mask " + Decimal(requested);
    const std::u16string name = u"\"" + std::u16string(program) + u"\"";
    const std::u16string keeps = Keeps(name, inherited);
    if (requested == 0) return {std::nullopt, start + u" names no processor; " + keeps};
    const std::u16string lacks = start + u" names " + Processors(missing) + u", which this machine lacks; ";
    const std::uint32_t kept = requested & system;
    if (kept == 0) return {std::nullopt, lacks + keeps};
    return {kept, lacks + name + u" runs on " + Processors(kept) + u" only."};
}

}  // namespace corelim
