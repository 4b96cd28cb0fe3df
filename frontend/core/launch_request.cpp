#include "launch_request.h"

namespace corelim {

namespace {

// A path as pasted: blanks around it, and Explorer's "Copy as path" quotes
// around all of it. No file name holds a quote, so none is lost; neither
// byte is ever the second of a double-byte character.
std::string ProgramPath(const std::string& execText) {
    const std::size_t first = execText.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    std::string path = execText.substr(first, execText.find_last_not_of(" \t") - first + 1);
    if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
    return path;
}

}  // namespace

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
    const std::string program = ProgramPath(execText);
    LaunchRequest request;
    request.LauncherPath = LauncherPathBeside(ownPath, rule);
    // The quotes keep the program path one argument for the launcher; the
    // options follow exactly as typed.
    request.Parameters = IntToStr(mask) + " \"" + program + "\" " + optionText;
    // ShellExecute passes the directory to CreateProcess as it is, and a
    // quoted folder is not a folder: the program would start elsewhere.
    request.WorkingDirectory = ExtractFileDir(program, rule);
    return request;
}

LaunchRequest BuildShortCutRequest(const std::string& execText, const std::string& optionText,
                                   CpuMask mask, const std::string& ownPath,
                                   const std::string& desktopPath, const LeadByteRule& rule) {
    LaunchRequest request = BuildExecuteRequest(execText, optionText, mask, ownPath, rule);
    request.LinkPath =
        desktopPath + "\\" + ChangeFileExt(ExtractFileName(ProgramPath(execText), rule), ".lnk", rule);
    return request;
}

}  // namespace corelim
