#pragma once

#include <string>
#include <vector>

#include "build_tree.h"
#include "probe_record.h"
#include "staged_folder.h"
#include "test_text.h"

namespace corelim::test {

// Names beyond every ANSI code page but UTF-8: Korean, Japanese, Greek, and
// a character beyond the BMP.
inline const std::wstring kAnyScriptFolder = L"\uAC8C\uC784 \u8868";              // 게임 表
inline const std::wstring kAnyScriptProgram = L"\uD55C\uAD6D\U0001F600.exe";       // 한국😀.exe
inline const std::wstring kAnyScriptOptions = L"\u03A9\u03BC\u03AD\u03B3\u03B1 \uD55C\uAD6D\uC5B4";  // Ωμέγα 한국어

// Copies `source` to `destination` without the mark of the web; aborts the
// test program when it cannot.
void CopyOrDie(const std::wstring& source, const std::wstring& destination);

// A fresh folder holding CorelimGUI.exe and, when asked, Corelim.exe
// beside it, as a user unpacks them.
StagedFolder InstallFrontEnd(const std::wstring& label, bool withLauncher = true);

// The probe program installed as run.exe in a fresh folder whose name needs
// quoting and the system's code page (on 932, a double-byte character whose
// second byte is a backslash), recording into a fresh file that the
// environment names for every program started from now on. Its folders go
// with it.
class ProbeProgram {
public:
    ProbeProgram();

    const std::wstring& Folder() const { return folder_.Path(); }
    const std::wstring& Path() const { return path_; }
    const std::wstring& RecordsFolder() const { return records_.Path(); }
    // Another copy, recording into the same file: `fileName` in a fresh
    // folder named after `folderLabel`.
    std::wstring CopyTo(const std::wstring& folderLabel, const std::wstring& fileName);
    std::vector<corelim::test::ProbeRecord> Records() const;
    // Waits until there are `count` records; false when they never come.
    bool WaitForRecords(size_t count, std::vector<corelim::test::ProbeRecord>& records) const;

private:
    StagedFolder folder_, records_;
    std::wstring path_, output_;
    std::vector<StagedFolder> copies_;
};

}  // namespace corelim::test
