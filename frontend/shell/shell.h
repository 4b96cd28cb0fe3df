#pragma once

// The front end's Win32 services outside the window: the system's code page,
// its command line, starting the launcher, the desktop folder, shell links
// and version records.

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>

#include "launch_request.h"
#include "path_routines.h"
#include "shortcut_settings.h"

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

// A file as it is now: which file it is (its volume's serial number and
// its index there) and its size and last write. A file written or replaced
// since has another stamp. Read through a handle that asks for attributes
// only and shares everything, so a file held open by others is read too.
struct FileStamp {
    std::uint32_t volume;
    std::uint64_t index, size, lastWrite;

    bool operator==(const FileStamp& other) const {
        return volume == other.volume && index == other.index && size == other.size && lastWrite == other.lastWrite;
    }
    bool operator!=(const FileStamp& other) const { return !(*this == other); }
};
// Nothing when there is no file at `path`, or it cannot be opened at all.
std::optional<FileStamp> GetFileStamp(const std::u16string& path);

// Whether two paths name the same file, however spelled: 8.3 names, letter
// case, "." and ".." make no difference. Where either cannot be opened, the
// whole paths are compared as text, ASCII letters without case.
bool IsSameFile(const std::u16string& a, const std::u16string& b);

// Where the shortcut button writes a request's link: the full path, and
// where that lies against the desktop folder `desktop` (PlaceLink).
// Nothing when the path is no place to write at all: the desktop folder
// was not resolved, or the full path does not fit MAX_PATH characters.
struct LinkLocation {
    std::u16string path;
    LinkPlacement placement;
};
std::optional<LinkLocation> LocateShortCut(const LaunchRequest& request, const std::string& desktop);

// What became of a save: the link written; nothing written; or nothing
// written because the file at the link's path is not the one the caller
// checked (one appeared where there was none, or it changed since), which
// the caller looks at again. leftBehind names the temporary file when it
// could not be removed; the outcome is then Failed.
struct ShortCutSave {
    enum Outcome { Saved, Failed, Changed } outcome;
    std::u16string leftBehind;
};

// Writes a shell link at linkPath, a full path shorter than MAX_PATH (as
// LocateShortCut gives it). hotKey's low byte is the key; a non-zero key
// gets Control+Alt. COM is initialised for the duration of the call only.
// The link is saved under a temporary name beside its place, flushed to
// the disk, read back and only then moved into the place in one step: a
// failure leaves the old link, or no file, as it was. It replaces only the
// file `replacing` stamps (nothing: only where there is no file).
ShortCutSave CreateShortCut(const ShortCutTexts& texts, const std::u16string& linkPath, int showCommand, int hotKey,
                            const std::optional<FileStamp>& replacing);

// Writes the shortcut button's link for a request from BuildShortCutRequest
// at linkPath (from LocateShortCut): the launcher with the request's
// parameters and working directory, show command SW_SHOWDEFAULT, no hot key.
ShortCutSave SaveShortCut(const LaunchRequest& request, const std::u16string& linkPath,
                          const std::optional<FileStamp>& replacing);

// A shell link read back. status is the failing HRESULT when it cannot be
// read at all. texts.target is the file-system path of its item ID list,
// empty when the link names no file (a web address, a Store app, a Control
// Panel item). COM is initialised for the duration of the call only.
struct ShortCutContents {
    HRESULT status;
    ShortCutTexts texts;
};
ShortCutContents ReadShortCut(const std::u16string& linkPath);

// The file at linkPath, when there is one: its stamp, and whether it is the
// window's own link, one that starts launcherPath (IsSameFile). Any other
// file is the user's, which saving there would replace: a link that starts
// another program or another copy of the launcher, a link that cannot be
// read, or any other file.
struct FileAtLink {
    FileStamp stamp;
    bool own;
};
std::optional<FileAtLink> FindFileAtLink(const std::u16string& linkPath, const std::u16string& launcherPath);

// The first argument of the program's command line, split in UTF-16 and made
// a full path: the file Explorer, "Send to" or a script hands the window.
// Nothing when there is none.
std::optional<std::wstring> GetFileArgument();

// The ProductVersion of an executable's version record under the record's
// first translation; kVersionUnknown when the record holds none there,
// kVersionUnreadable when the record cannot be read. Read afresh each call.
std::u16string GetProductVersion(const std::string& path);

}  // namespace corelim
