#pragma once

#include <string>

#include "components.h"

namespace corelim {

// The system's file-open dialog. Filter is "description|pattern|..." in the
// program's code page; FileName is the chosen path in the ANSI code page.
class TOpenDialog : public TComponent {
public:
    using TComponent::TComponent;

    std::string Filter;
    std::string FileName;

    // True when the user chose a file; FileName is unchanged otherwise.
    bool Execute(HWND owner);
};

}  // namespace corelim
