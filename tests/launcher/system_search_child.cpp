// The child creator of a launcher test build that leaves the search for the
// program to CreateProcess, with no application name, as the launcher once
// did: which file it starts for a name is what Corelim.exe must start. (For
// programs only: a batch file needs cmd.exe named.)
#include "create_child.h"

namespace corelim {

bool CreateSuspendedChild(const wchar_t* /*application*/, wchar_t* commandLine, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, commandLine, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr, &startup,
                          &process) != FALSE;
}

}  // namespace corelim
