#include "gui_driver.h"

#include "main_form_definition.h"

#include <stdexcept>
#include <vector>

namespace corelim::test {

namespace {

struct Search {
    DWORD processId;
    const wchar_t* className;
    HWND exclude;
    HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    wchar_t className[64] = {};
    GetClassNameW(hwnd, className, 64);
    if (owner == search->processId && hwnd != search->exclude && IsWindowVisible(hwnd) &&
        lstrcmpW(className, search->className) == 0) {
        search->found = hwnd;
        return FALSE;
    }
    return TRUE;
}

HWND FindWindowOf(DWORD processId, const wchar_t* className, HWND exclude = nullptr) {
    Search search{processId, className, exclude, nullptr};
    EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

struct IdSearch {
    int id;
    HWND found;
};

// Check boxes are children of their group box, out of GetDlgItem's reach:
// the search goes through all descendants.
BOOL CALLBACK FindById(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<IdSearch*>(lParam);
    if (GetDlgCtrlID(hwnd) != search->id) return TRUE;
    search->found = hwnd;
    return FALSE;
}

}  // namespace

GuiSession::GuiSession(const std::wstring& exePath, const std::wstring& workingDir, const std::wstring& argument) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!argument.empty()) commandLine += L" \"" + argument + L"\"";
    if (!CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workingDir.c_str(), &startup, &process_)) {
        throw std::runtime_error("cannot start the front end");
    }
    if (!WaitFor([&] { return (main_ = FindWindowOf(process_.dwProcessId, L"TMainForm")) != nullptr; })) {
        throw std::runtime_error("the front end showed no window");
    }
    WaitForInputIdle(process_.hProcess, 30000);
}

GuiSession::~GuiSession() {
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) {
        PostMessageW(main_, WM_CLOSE, 0, 0);
        if (WaitForSingleObject(process_.hProcess, 30000) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND FindControl(HWND window, const std::string& name) {
    IdSearch search{ControlId(kMainFormControls, name), nullptr};
    if (search.id) EnumChildWindows(window, FindById, reinterpret_cast<LPARAM>(&search));
    if (!search.found) throw std::runtime_error("no control named " + name);
    return search.found;
}

std::wstring GuiSession::Text(HWND window) {
    const auto length = SendMessageW(window, WM_GETTEXTLENGTH, 0, 0);
    std::vector<wchar_t> text(static_cast<size_t>(length) + 1);
    SendMessageW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()));
    return text.data();
}

void GuiSession::Type(const std::string& name, const std::wstring& text) const {
    SendMessageW(Control(name), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void GuiSession::SetChecked(const std::string& name, bool checked) const {
    SendMessageW(Control(name), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void GuiSession::Click(const std::string& name) const {
    PostMessageW(Control(name), BM_CLICK, 0, 0);
}

bool GuiSession::IsChecked(const std::string& name) const {
    return SendMessageW(Control(name), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

HWND WaitForDialogOf(DWORD processId, DWORD timeoutMs) {
    HWND dialog = nullptr;
    WaitFor([&] { return (dialog = FindWindowOf(processId, L"#32770")) != nullptr; }, timeoutMs);
    return dialog;
}

HWND GuiSession::WaitForDialog(DWORD timeoutMs) const { return WaitForDialogOf(process_.dwProcessId, timeoutMs); }

std::wstring GuiSession::MessageBoxText(HWND box) {
    HWND text = GetDlgItem(box, 0xFFFF);  // a message box's text control
    return text ? Text(text) : std::wstring();
}

void GuiSession::Dismiss(HWND dialog, int command) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED), 0);
    WaitUntilGone(dialog);
}

void GuiSession::WaitUntilGone(HWND dialog) {
    WaitFor([&] { return !IsWindow(dialog); });
}

HWND GuiSession::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(process_.dwThreadId, &info);
    return info.hwndFocus;
}

HWND WaitForLauncherBox(DWORD timeoutMs) {
    HWND box = nullptr;
    WaitFor([&] {
        box = FindWindowW(L"#32770", L"Corelim");
        return box && IsWindowVisible(box);
    }, timeoutMs);
    return box && IsWindowVisible(box) ? box : nullptr;
}

DWORD GuiSession::Close() {
    PostMessageW(main_, WM_CLOSE, 0, 0);
    DWORD status = STILL_ACTIVE;
    if (WaitForSingleObject(process_.hProcess, 60000) == WAIT_OBJECT_0) GetExitCodeProcess(process_.hProcess, &status);
    return status;
}

}  // namespace corelim::test
