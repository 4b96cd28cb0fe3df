#include "processors.h"

#include <windows.h>

namespace corelim {

std::optional<ProcessorMasks> OwnProcessorMasks() {
    DWORD_PTR process = 0;
    DWORD_PTR system = 0;
    if (!GetProcessAffinityMask(GetCurrentProcess(), &process, &system)) return std::nullopt;
    return ProcessorMasks{static_cast<std::uint32_t>(process), static_cast<std::uint32_t>(system)};
}

}  // namespace corelim
