#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corelim {

// What the child is confined to. Windows refuses a mask that names any
// processor the machine lacks, not only one made of such processors alone;
// the launcher keeps those of the mask that exist instead, as taskset does.
struct AffinityChoice {
    std::optional<std::uint32_t> applied;  // nothing: the child keeps the affinity it inherited
    std::u16string line;                   // for standard error; empty when the mask applies as asked
};

// `system` is the machine's processors (the system mask of
// GetProcessAffinityMask, 0 when it is not known), `inherited` the
// launcher's own, which the child inherits, `requested` the parsed mask.
// All 32 bits mean every processor and need no line; a mask of 0, or of
// missing processors only, leaves the inherited affinity and says so.
// With the machine's processors unknown, the mask goes to the system as it
// is.
AffinityChoice ChooseAffinity(std::uint32_t system, std::uint32_t inherited, std::uint32_t requested,
                              std::u16string_view program);

// The line when the system refuses even the mask chosen (a job's limit on
// the launcher, say): the child runs on as it is, and the user is told.
std::u16string AffinityRefusalLine(std::uint32_t applied, std::uint32_t inherited, std::u16string_view program,
                                   std::u16string_view reason);

}  // namespace corelim
