#include "application.h"

#include <windows.h>
#include <commctrl.h>

#include "system_library.h"
#include "text.h"

namespace corelim {

TApplication Application;

TApplication::~TApplication() { delete mainForm_; }

void TApplication::Initialize() {
    // Visual styles come from common controls 6, named in the manifest.
    // comctl32 is not one of the system's known DLLs, so it is loaded from
    // the system folder rather than imported.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    if (auto* init = SystemFunction<decltype(InitCommonControlsEx)>(L"comctl32.dll", "InitCommonControlsEx")) {
        init(&controls);
    }
}

void TApplication::Adopt(TForm* form) {
    if (!mainForm_) mainForm_ = form;
    form->FormCreate();
}

void TApplication::Run(const std::function<void()>& onShown) {
    if (!mainForm_) return;
    HWND main = mainForm_->Handle();
    ShowWindow(main, SW_SHOWDEFAULT);
    UpdateWindow(main);
    if (onShown) onShown();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(main, &message)) continue;  // Tab, Shift+Tab, Enter
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

int TApplication::Box(const std::wstring& text, UINT type) const {
    return MessageBoxW(mainForm_ ? mainForm_->Handle() : nullptr, text.c_str(), WidenUi(Title).c_str(), type);
}

void TApplication::ShowException(const Exception& exception) const {
    Box(Widen(exception.what(), CP_ACP), MB_OK | MB_ICONSTOP);
}

void ShowMessage(const std::wstring& text) { Application.Box(text, MB_OK); }

void ShowMessage(const std::string& text) { ShowMessage(WidenUi(text)); }

void ShowWarning(const std::wstring& text) { Application.Box(text, MB_OK | MB_ICONWARNING); }

bool AskYesNo(const std::wstring& text) {
    return Application.Box(text, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

}  // namespace corelim
