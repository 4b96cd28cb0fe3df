#pragma once

#include <cstdint>
#include <vector>

namespace corelim {

// The runs of consecutive processors in a mask, lowest first, for the
// messages that name processors: 0b1101 gives {0, 0} and {2, 3}.
struct ProcessorRun {
    unsigned first;
    unsigned last;
};
std::vector<ProcessorRun> ProcessorRuns(std::uint32_t mask);

}  // namespace corelim
