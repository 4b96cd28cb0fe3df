#include "shell.h"

#include <shellapi.h>

namespace corelim {

LaunchOutcome StartLauncher(const LaunchRequest& request) {
    SetLastError(0);
    const auto result = reinterpret_cast<INT_PTR>(ShellExecuteA(nullptr, nullptr, request.LauncherPath.c_str(),
                                                                request.Parameters.c_str(),
                                                                request.WorkingDirectory.c_str(), SW_SHOW));
    return {result, result > 32 ? 0u : static_cast<std::uint32_t>(GetLastError())};
}

}  // namespace corelim
