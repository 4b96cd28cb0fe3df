#include "shell.h"

#include <objbase.h>
#include <objidl.h>
#include <shlobj.h>

#include <algorithm>
#include <cwchar>

#include "com_scope.h"
#include "wide_text.h"

namespace corelim {

namespace {

// A virus scanner or the search indexer opens a file it has just seen, for
// a moment, and a move or delete meanwhile is refused: such a call is tried
// again a few times before it counts as failed.
template <class FileCall>
bool RetriedWhileHeld(FileCall call) {
    for (int attempt = 1;; ++attempt) {
        if (call()) return true;
        const DWORD error = GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) || attempt == 8) return false;
        Sleep(100);
    }
}

// The file the link is saved to before it takes the link's place, beside
// the link, so that the move is a rename within one folder. It goes however
// the save ends, exceptions included, unless it has become the link.
class TemporaryFile {
public:
    // Creates a new empty file beside linkPath; Path() is empty when none
    // could be. Named "~cl" and four hex digits as GetTempFileName names
    // them, and ending in ".tmp", so that one a crash leaves behind passes
    // for no link. GetTempFileName wants its folder 14 characters short of
    // MAX_PATH; where the folder leaves less room than the name takes, the
    // name's end is kept, so that wherever the link fits (a character and
    // ".lnk"), its temporary file fits too.
    explicit TemporaryFile(const std::u16string& linkPath) {
        const std::u16string folder = linkPath.substr(0, linkPath.find_last_of(u'\\') + 1);
        const std::size_t room = MAX_PATH - 1 - std::min<std::size_t>(folder.size(), MAX_PATH - 1);
        if (folder.empty() || room < 5) return;
        const unsigned start = GetTickCount() ^ GetCurrentProcessId();
        for (unsigned attempt = 0; attempt < 0x10000; ++attempt) {
            wchar_t stem[8];
            std::swprintf(stem, 8, L"~cl%04X", (start + attempt) & 0xFFFF);
            const std::u16string path =
                folder + std::u16string(AsUtf16(stem).substr(7 - std::min<std::size_t>(7, room - 4))) + u".tmp";
            const HANDLE file =
                CreateFileW(AsWide(path), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file != INVALID_HANDLE_VALUE) {
                CloseHandle(file);
                path_ = path;
                return;
            }
            if (GetLastError() != ERROR_FILE_EXISTS) return;
        }
    }
    ~TemporaryFile() { Remove(); }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::u16string& Path() const { return path_; }

    // Moves the file into linkPath's place, only over the file `replacing`
    // stamps, or where there is none. Changed when another file is there.
    ShortCutSave::Outcome MoveTo(const std::u16string& linkPath, const std::optional<FileStamp>& replacing) {
        // A file that changed since it was checked is looked at again; the
        // moment between this look and the move is as short as it gets.
        if (replacing && GetFileStamp(linkPath) != replacing) return ShortCutSave::Changed;
        const DWORD flags = replacing ? MOVEFILE_REPLACE_EXISTING : 0;
        if (RetriedWhileHeld([&] { return MoveFileExW(AsWide(path_), AsWide(linkPath), flags); })) {
            path_.clear();
            return ShortCutSave::Saved;
        }
        return !replacing && GetFileStamp(linkPath) ? ShortCutSave::Changed : ShortCutSave::Failed;
    }

    // Deletes the file; false when it is still there. Either way it is no
    // longer this object's to remove.
    bool Remove() {
        const std::u16string path = std::move(path_);
        path_.clear();
        return path.empty() || RetriedWhileHeld([&] { return DeleteFileW(AsWide(path)); }) ||
               GetFileAttributesW(AsWide(path)) == INVALID_FILE_ATTRIBUTES;
    }

private:
    std::u16string path_;
};

HRESULT SaveLink(const ShortCutTexts& texts, const std::u16string& path, int showCommand, int hotKey) {
    IShellLinkW* link = nullptr;
    HRESULT status = CoCreateInstance(CLSID_ShellLink, nullptr,
                                      CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_IShellLinkW,
                                      reinterpret_cast<void**>(&link));
    if (SUCCEEDED(status)) {
        // A rejected setting leaves its default in the link; reading the
        // link back decides.
        link->SetPath(AsWide(texts.target));
        link->SetArguments(AsWide(texts.arguments));
        link->SetWorkingDirectory(AsWide(texts.workingDirectory));
        link->SetShowCmd(showCommand);
        link->SetHotkey(ShortCutHotKey(hotKey));

        IPersistFile* file = nullptr;
        status = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
        if (SUCCEEDED(status)) {
            status = file->Save(AsWide(path), TRUE);
            file->Release();
        }
        link->Release();
    }
    return status;
}

// IPersistFile::Save leaves the data in the system's cache, and NTFS may
// commit the rename before it: after a power loss the link would be there,
// zeroed. MOVEFILE_WRITE_THROUGH flushes only a move made as copy and
// delete, never a rename, so the file is flushed itself.
bool Flush(const std::u16string& path) {
    HANDLE file = INVALID_HANDLE_VALUE;
    const bool opened = RetriedWhileHeld([&] {
        file = CreateFileW(AsWide(path), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                           OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
        return file != INVALID_HANDLE_VALUE;
    });
    if (!opened) return false;
    const bool flushed = FlushFileBuffers(file);
    CloseHandle(file);
    return flushed;
}

}  // namespace

ShortCutSave CreateShortCut(const ShortCutTexts& texts, const std::u16string& linkPath, int showCommand, int hotKey,
                            const std::optional<FileStamp>& replacing) {
    // IPersistFile::Save writes over a file in place: a save that stops
    // halfway (a full disk, which Wine even reports as success) would leave
    // neither the old link nor a whole new one.
    const ComScope com;
    TemporaryFile temporary(linkPath);
    if (temporary.Path().empty()) return {ShortCutSave::Failed, {}};
    ShortCutSave::Outcome outcome = ShortCutSave::Failed;
    if (SUCCEEDED(SaveLink(texts, temporary.Path(), showCommand, hotKey)) && Flush(temporary.Path())) {
        const ShortCutContents read = ReadShortCut(temporary.Path());
        if (SUCCEEDED(read.status) && IsSameFile(read.texts.target, texts.target) &&
            read.texts.arguments == texts.arguments && read.texts.workingDirectory == texts.workingDirectory) {
            outcome = temporary.MoveTo(linkPath, replacing);
        }
    }
    const std::u16string left = temporary.Path();
    if (!temporary.Remove()) return {ShortCutSave::Failed, left};
    return {outcome, {}};
}

ShortCutSave SaveShortCut(const LaunchRequest& request, const std::u16string& linkPath,
                          const std::optional<FileStamp>& replacing) {
    const ShortCutTexts texts{Widen<std::u16string>(request.LauncherPath, CP_ACP),
                              Widen<std::u16string>(request.Parameters, CP_ACP),
                              Widen<std::u16string>(request.WorkingDirectory, CP_ACP)};
    return CreateShortCut(texts, linkPath, kShortCutShowCommand, kShortCutHotKey, replacing);
}

}  // namespace corelim
