#pragma once

#include <windows.h>

namespace corelim::test {

// Polls `condition` every 100 ms until it holds or `timeoutMs` passes.
template <class Condition>
bool WaitFor(Condition condition, DWORD timeoutMs = 60000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (GetTickCount64() > end) return false;
        Sleep(100);
    }
    return true;
}

}  // namespace corelim::test
