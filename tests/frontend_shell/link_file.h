#pragma once

#include <windows.h>
#include <shlobj.h>

#include <cstdint>
#include <string>
#include <vector>

// The fields of a shell link file ([MS-SHLLINK] 2.1 ShellLinkHeader, 2.4
// StringData) that the shortcut writer sets, read without the shell.
struct LinkFile {
    std::uint32_t headerSize = 0;
    std::uint8_t linkClsid[16] = {};
    std::uint32_t linkFlags = 0;
    std::uint32_t showCommand = 0;
    std::uint16_t hotKey = 0;
    bool hasWorkingDir = false;
    bool hasArguments = false;
    std::wstring workingDir;
    std::wstring arguments;
    // The target from the item ID list (SHGetPathFromIDListW), exact where
    // the shell's own loader narrows it; empty when there is none.
    std::wstring target;
};

// Parses the header and the string data; false when the bytes end early.
bool ParseLinkFile(const std::vector<unsigned char>& bytes, LinkFile& link);

// What the shell's own link loader (IShellLinkA after IPersistFile::Load)
// reports of a link file, in the ANSI code page.
struct ShellLinkView {
    std::string path, arguments, workingDirectory;
    WORD hotKey = 0xFFFF;
};

// The link read back through the shell; the failing HRESULT when it cannot be.
HRESULT LoadLinkThroughShell(const std::wstring& linkPath, ShellLinkView& view);

// Writes a link through the shell in UTF-16 (IShellLinkW): to `target`, or
// to `idList` when one is given (an item outside the file system), with
// `arguments`.
HRESULT WriteLinkThroughShell(const std::wstring& linkPath, const std::wstring& target, const std::wstring& arguments,
                              LPCITEMIDLIST idList = nullptr);
