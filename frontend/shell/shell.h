#pragma once

// The front end's Win32 services outside the window: the system's code page,
// its command line, starting the launcher, the desktop folder, shell links
// and version records.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "launch_request.h"
#include "path_routines.h"

namespace corelim {

// The double-byte rule of the system's ANSI code page, the code page of
// every path the front end handles.
LeadByteRule SystemLeadByteRule();
// The system's ANSI code page (GetACP).
unsigned SystemCodePage();

// What ShellExecute made of a request: its result (over 32 when the
// launcher started) and, when it failed, the thread's last error (0 when
// ShellExecute set none).
struct LaunchOutcome {
    std::intptr_t result;
    std::uint32_t lastError;
};

// Starts the launcher for a request from BuildExecuteRequest, at once: no
// owner window, the default verb, SW_SHOW.
LaunchOutcome StartLauncher(const LaunchRequest& request);

// The file-system path of a special folder (a CSIDL value, e.g.
// CSIDL_DESKTOPDIRECTORY); empty when the folder cannot be resolved. The
// folders below are read in UTF-16: an ANSI call would hand back a name the
// code page lacks as "?" or as a look-alike, that is, as another folder.
std::wstring GetSpecialFolderPath(HWND owner, int csidl);

// The full path of `path` as Windows reads it ("/" and ".." resolved, from
// the current folder when relative); empty when the system cannot say.
std::wstring GetFullPath(const std::wstring& path);

// Writes a shell link at linkPath (8-bit texts in the ANSI code page) and
// reports whether it was saved. hotKey's low byte is the key; a non-zero key
// gets Control+Alt. COM is initialised for the duration of the call only.
// The link takes the place of an old one whole or not at all: a failure
// leaves the old link, or no file, as it was.
bool CreateShortCut(const std::string& target, const std::string& linkPath,
                    const std::string& arguments, const std::string& workingDirectory,
                    int showCommand, int hotKey);

// Writes the shortcut button's link for a request from BuildShortCutRequest:
// the launcher with the request's parameters and working directory, show
// command SW_SHOWDEFAULT, no hot key. False, and nothing written, when the
// link path is not fully qualified (the desktop folder was not resolved).
bool SaveShortCut(const LaunchRequest& request);

// A shell link read back in UTF-16. status is the failing HRESULT when it
// cannot be read at all. target is the file-system path of its item ID
// list, empty when the link names no file (a web address, a Store app, a
// Control Panel item). COM is initialised for the duration of the call only.
struct ShortCutContents {
    HRESULT status;
    std::wstring target;
    std::wstring arguments;
    std::wstring workingDirectory;
};
ShortCutContents ReadShortCut(const std::wstring& linkPath);

// A file's size and last write, by which it is known again.
using FileStamp = std::pair<std::uint64_t, std::uint64_t>;

// The stamp of a file at linkPath that the shortcut button did not write:
// a link that starts another program than launcherPath (the whole path,
// ASCII letters without case), another copy of the launcher too, a link
// that cannot be read, or any other file. Saving there would replace the
// user's own. Nothing when there is no file, or it is a link to launcherPath.
std::optional<FileStamp> OtherShortCutAt(const std::wstring& linkPath, const std::wstring& launcherPath);

// The first argument of the program's command line, split in UTF-16 and made
// a full path: the file Explorer, "Send to" or a script hands the window.
// Nothing when there is none.
std::optional<std::wstring> GetFileArgument();

// The ProductVersion of an executable's version record under the record's
// first translation; kVersionUnknown when the record holds none there,
// kVersionUnreadable when the record cannot be read. Read afresh each call.
std::u16string GetProductVersion(const std::string& path);

}  // namespace corelim
