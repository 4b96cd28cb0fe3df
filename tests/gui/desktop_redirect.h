#pragma once

#include <string>

namespace corelim::test {

// Points the current user's desktop folder at `folder` for the lifetime of
// the object, so that shortcuts land where the test looks (and never on the
// real desktop that Wine links to the Unix home).
class DesktopRedirect {
public:
    explicit DesktopRedirect(const std::wstring& folder);
    ~DesktopRedirect();
    DesktopRedirect(const DesktopRedirect&) = delete;
    DesktopRedirect& operator=(const DesktopRedirect&) = delete;

    void PointAt(const std::wstring& folder) const;

private:
    std::wstring saved_;
};

}  // namespace corelim::test
