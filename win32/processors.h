#pragma once

#include <cstdint>
#include <optional>

namespace corelim {

// The processors this process may run on and those the machine has, as
// GetProcessAffinityMask gives them; nothing when the system does not say.
struct ProcessorMasks {
    std::uint32_t process = 0;
    std::uint32_t system = 0;
};
std::optional<ProcessorMasks> OwnProcessorMasks();

}  // namespace corelim
