#include "processor_runs.h"

namespace corelim {

std::vector<ProcessorRun> ProcessorRuns(std::uint32_t mask) {
    std::vector<ProcessorRun> runs;
    for (unsigned first = 0; first < 32; ++first) {
        if (!((mask >> first) & 1)) continue;
        unsigned last = first;
        while (last + 1 < 32 && ((mask >> (last + 1)) & 1)) ++last;
        runs.push_back({first, last});
        first = last;
    }
    return runs;
}

}  // namespace corelim
