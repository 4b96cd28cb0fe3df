#include "shell.h"

namespace corelim {

std::optional<std::uint32_t> GetSystemProcessorMask() {
    DWORD_PTR processMask = 0;
    DWORD_PTR systemMask = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &processMask, &systemMask)) return std::nullopt;
    return static_cast<std::uint32_t>(systemMask);
}

}  // namespace corelim
