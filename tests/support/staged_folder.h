#pragma once

#include <string>

namespace corelim::test {

// Removes `folder` and all it holds; false while anything is left, such as a
// program still running from it. A junction or symbolic link goes itself,
// never what it points to; read-only files go too.
bool RemoveTree(const std::wstring& folder);

// The temporary folder, with its trailing backslash, in its long spelling
// ("C:\Users\runneradmin\..." where TEMP says "RUNNER~1"): the spelling in
// which Windows gives back the paths of what lies in it.
std::wstring LongTempPath();

// How the paths of the folders a process stages begin (under Temp, with
// its id), by which a folder left by a process that was killed is found.
std::wstring StagedFolderStart(unsigned long processId);

// A new empty folder under the temporary folder, named after `label`, that
// goes with all it holds when this object does, however the test ends:
// every helper that stages files for a test puts them in one of these.
class StagedFolder {
public:
    explicit StagedFolder(const std::wstring& label);
    ~StagedFolder();
    StagedFolder(StagedFolder&& other) noexcept;
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;
    StagedFolder& operator=(StagedFolder&&) = delete;

    const std::wstring& Path() const { return path_; }

private:
    std::wstring path_;
};

}  // namespace corelim::test
