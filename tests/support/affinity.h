#pragma once

#include "processors.h"

namespace corelim::test {

// The processors this process may run on, and those the machine has; a test
// reads them as the programs do.
inline ProcessorMasks OwnAffinity() { return OwnProcessorMasks().value_or(ProcessorMasks{}); }

}  // namespace corelim::test
