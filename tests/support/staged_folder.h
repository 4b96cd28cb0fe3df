#pragma once

#include <string>

namespace corelim::test {

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
