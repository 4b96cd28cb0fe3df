#include "create_child.h"

namespace corelim {

bool CreateSuspendedChild(const wchar_t* application, wchar_t* commandLine, PROCESS_INFORMATION& process) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    return CreateProcessW(application, commandLine, nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                          &startup, &process) != FALSE;
}

}  // namespace corelim
