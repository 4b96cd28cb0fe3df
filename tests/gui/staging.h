#pragma once

#include <string>
#include <vector>

#include "build_tree.h"
#include "probe_record.h"
#include "test_text.h"

namespace corelim::test {

// A new empty folder under the temporary folder, named after `label`.
std::wstring MakeFreshFolder(const std::wstring& label);

// Copies `source` to `destination`; aborts the test program when it cannot.
void CopyOrDie(const std::wstring& source, const std::wstring& destination);

// A fresh folder holding CorelimGUI.exe and, when asked, Corelim.exe
// beside it, as a user unpacks them.
std::wstring InstallFrontEnd(const std::wstring& label, bool withLauncher = true);

// The probe program installed as run.exe in a fresh folder whose name needs
// quoting and the system's code page (on 932, a double-byte character whose
// second byte is a backslash), recording into a fresh file that the
// environment names for every program started from now on.
class ProbeProgram {
public:
    ProbeProgram();

    const std::wstring& Folder() const { return folder_; }
    const std::wstring& Path() const { return path_; }
    std::vector<corelim::testing::ProbeRecord> Records() const;
    // Waits until there are `count` records; false when they never come.
    bool WaitForRecords(size_t count, std::vector<corelim::testing::ProbeRecord>& records) const;

private:
    std::wstring folder_, path_, output_;
};

}  // namespace corelim::test
