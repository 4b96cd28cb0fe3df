#include "open_dialog.h"

#include <windows.h>
#include <commdlg.h>

#include <algorithm>

#include "text.h"

namespace corelim {

bool TOpenDialog::Execute(HWND owner) {
    // '|' may be the second byte of a code page 932 character, so the
    // separators are replaced only after widening.
    std::wstring filter = WidenUi(Filter);
    std::replace(filter.begin(), filter.end(), L'|', L'\0');
    filter.append(2, L'\0');

    std::wstring file(32768, L'\0');
    FileName.copy(file.data(), std::min(FileName.size(), file.size() - 1));

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
    if (!GetOpenFileNameW(&dialog)) return false;
    FileName = file.c_str();
    return true;
}

}  // namespace corelim
