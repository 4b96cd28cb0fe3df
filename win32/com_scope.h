#pragma once

#include <windows.h>

namespace corelim {

// COM initialised on this thread, in a single-threaded apartment as the
// shell's objects need, for as long as the object lives. S_FALSE (COM
// initialised already) also takes its CoUninitialize; a failure undoes
// nothing and leaves the COM calls inside to report it. ole32 comes from
// the system folder when a scope opens: most starts of either program need
// no COM.
class ComScope {
public:
    ComScope();
    ~ComScope();
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

private:
    void(WINAPI* uninitialize_)() = nullptr;  // set once there is something to undo
};

}  // namespace corelim
