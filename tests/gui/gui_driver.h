#pragma once

#include <windows.h>

#include <string>

#include "wait_for.h"

namespace corelim::test {

// The control of `window` (the front end's main window, in this process or
// another) that the row `name` of the window's table creates, found by the
// ID the table gives it; throws when there is none.
HWND FindControl(HWND window, const std::string& name);

// Drives a running CorelimGUI.exe from another process, as a user would:
// controls are found by their names in the window's table.
class GuiSession {
public:
    // Starts the front end from `exePath` in `workingDir`, with `argument`
    // (quoted) on its command line when there is one, and waits until its
    // main window is shown.
    GuiSession(const std::wstring& exePath, const std::wstring& workingDir, const std::wstring& argument = L"");
    ~GuiSession();
    GuiSession(const GuiSession&) = delete;
    GuiSession& operator=(const GuiSession&) = delete;

    HWND MainWindow() const { return main_; }
    HWND Control(const std::string& name) const { return FindControl(main_, name); }

    static std::wstring Text(HWND window);
    std::wstring Text(const std::string& name) const { return Text(Control(name)); }
    void Type(const std::string& name, const std::wstring& text) const;
    void SetChecked(const std::string& name, bool checked) const;
    bool IsChecked(const std::string& name) const;
    bool IsEnabled(const std::string& name) const { return IsWindowEnabled(Control(name)) != FALSE; }
    // Posts the click, so that a modal box the handler opens cannot block us.
    void Click(const std::string& name) const;

    // The next dialog window (message box or file dialog) the front end
    // shows; null when none appears within the timeout.
    HWND WaitForDialog(DWORD timeoutMs = 60000) const;
    // These serve any process's dialogs, the launcher's boxes too.
    static std::wstring MessageBoxText(HWND box);
    static void Dismiss(HWND dialog, int command = IDOK);
    static void WaitUntilGone(HWND dialog);

    // The control that has the keyboard focus in the front end.
    HWND Focus() const;

    // Closes the window and returns the program's exit status.
    DWORD Close();

private:
    PROCESS_INFORMATION process_{};
    HWND main_ = nullptr;
};

// The next dialog window that process `processId` shows (this one's too,
// from another thread); null when none appears within the timeout.
HWND WaitForDialogOf(DWORD processId, DWORD timeoutMs = 60000);

// The launcher's message box (captioned "Corelim"), whichever process
// shows it; null when none appears within the timeout.
HWND WaitForLauncherBox(DWORD timeoutMs = 60000);

}  // namespace corelim::test
