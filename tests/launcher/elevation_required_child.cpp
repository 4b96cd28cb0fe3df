// The child creator of the launcher's test build. Windows refuses a program
// that needs administrator rights to a launcher without them
// (ERROR_ELEVATION_REQUIRED); Wine never does. Here the first start in a
// process that has CORELIM_TEST_ELEVATION_REQUIRED set is refused so, and
// the variable is cleared: the rerun, which Wine starts with this
// environment and without elevation, then creates the child for real.
#include "create_child.h"

namespace corelim {

bool CreateSuspendedChild(const wchar_t* application, wchar_t* commandLine, PROCESS_INFORMATION& process) {
    if (GetEnvironmentVariableW(L"CORELIM_TEST_ELEVATION_REQUIRED", nullptr, 0) != 0) {
        SetEnvironmentVariableW(L"CORELIM_TEST_ELEVATION_REQUIRED", nullptr);
        SetLastError(740);
        return false;
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(application, commandLine, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                          &startup, &process) != FALSE;
}

}  // namespace corelim
