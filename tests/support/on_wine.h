#pragma once

#include <windows.h>

namespace corelim::test {

// Whether this runs under Wine, for the few cases where Wine and Windows
// differ and the test says so.
inline bool OnWine() { return GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "wine_get_version") != nullptr; }

}  // namespace corelim::test
