#pragma once

#include <string>

#include "components.h"

namespace corelim {

// The system's file-open dialog. Filter is "description|pattern|..." in the
// program's code page; FileName is the chosen path, in UTF-16 like the
// window's texts, so that a name the ANSI code page lacks reaches the
// program field unchanged.
class TOpenDialog : public TComponent {
public:
    using TComponent::TComponent;

    std::string Filter;
    std::wstring FileName;

    // True when the user chose a file; FileName is unchanged otherwise.
    bool Execute(HWND owner);
};

}  // namespace corelim
