#pragma once

#include <windows.h>

#include <cstdint>

namespace corelim::test {

// The processors this process may run on, and those the machine has.
struct AffinityMasks {
    std::uint32_t process = 0;
    std::uint32_t system = 0;
};

inline AffinityMasks OwnAffinity() {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    GetProcessAffinityMask(GetCurrentProcess(), &process, &system);
    return {static_cast<std::uint32_t>(process), static_cast<std::uint32_t>(system)};
}

}  // namespace corelim::test
