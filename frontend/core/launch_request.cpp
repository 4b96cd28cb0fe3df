#include "launch_request.h"

namespace corelim {

CpuMask CpuMaskFromChecks(const std::array<bool, 4>& checks) {
    CpuMask mask = 0;
    for (std::size_t i = 0; i < checks.size(); ++i) {
        if (checks[i]) {
            mask |= CpuMask{1} << i;
        }
    }
    return mask;
}

std::string LauncherPathBeside(const std::string& ownPath, const LeadByteRule& rule) {
    return ExtractFilePath(ownPath, rule) + LauncherFileName;
}

LaunchRequest BuildExecuteRequest(const std::string& execText, const std::string& optionText,
                                  CpuMask mask, const std::string& ownPath,
                                  const LeadByteRule& rule) {
    LaunchRequest request;
    request.LauncherPath = LauncherPathBeside(ownPath, rule);
    // The quotes keep the program path one argument for the launcher; the
    // options follow exactly as typed.
    request.Parameters = IntToStr(mask) + " \"" + execText + "\" " + optionText;
    // ShellExecute passes the directory to CreateProcess as it is, and a
    // quoted folder is not a folder: the program would start elsewhere.
    request.WorkingDirectory = ExtractFileDir(execText, rule);
    return request;
}

LaunchRequest BuildShortCutRequest(const std::string& execText, const std::string& optionText,
                                   CpuMask mask, const std::string& ownPath,
                                   const std::string& desktopPath, const LeadByteRule& rule) {
    LaunchRequest request = BuildExecuteRequest(execText, optionText, mask, ownPath, rule);
    request.LinkPath =
        desktopPath + "\\" + ChangeFileExt(ExtractFileName(execText, rule), ".lnk", rule);
    return request;
}

}  // namespace corelim
