#pragma once

#include <string>

namespace corelim::test {

// A build-tree file as Windows sees it under Wine: "/a/b" is "Z:\a\b".
std::wstring FromBuildTree(const char* unixPath);

// A new empty folder under the temporary folder, named after `label`.
std::wstring MakeFreshFolder(const std::wstring& label);

// Copies `source` to `destination`; aborts the test program when it cannot.
void CopyOrDie(const std::wstring& source, const std::wstring& destination);

// A fresh folder holding CorelimGUI.exe and, when asked, Corelim.exe
// beside it, as a user unpacks them.
std::wstring InstallFrontEnd(const std::wstring& label, bool withLauncher = true);

// Text in the system's ANSI code page, widened.
std::wstring WidenAnsi(const std::string& text);

}  // namespace corelim::test
