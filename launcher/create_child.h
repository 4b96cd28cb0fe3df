#pragma once

#include <windows.h>

namespace corelim {

// Creates the child suspended, as CreateProcessW does (false and the last
// error on failure). The one call that creates the child, kept apart so
// that a test build of the launcher can make it fail as only Windows can.
bool CreateSuspendedChild(const wchar_t* application, wchar_t* commandLine, PROCESS_INFORMATION& process);

}  // namespace corelim
