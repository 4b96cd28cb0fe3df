#include "form.h"

#include <algorithm>
#include <map>

#include "application.h"
#include "exception.h"
#include "text.h"
#include "window_metrics.h"

namespace corelim {

namespace {

constexpr int kFirstControlId = 100;

struct WindowStyle {
    const wchar_t* className;
    DWORD style;
    DWORD exStyle;
};

WindowStyle StyleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Label: return {L"STATIC", SS_LEFT | SS_NOPREFIX, 0};
        case ControlKind::Edit: return {L"EDIT", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE};
        case ControlKind::Button: return {L"BUTTON", BS_PUSHBUTTON, 0};
        // The group box hosts its check boxes; WS_EX_CONTROLPARENT lets
        // dialog navigation step into them.
        case ControlKind::GroupBox: return {L"BUTTON", BS_GROUPBOX, WS_EX_CONTROLPARENT};
        case ControlKind::CheckBox: return {L"BUTTON", BS_AUTOCHECKBOX, 0};
    }
    return {L"STATIC", 0, 0};
}

TControl* MakeControl(ControlKind kind, const char* name, TComponent* owner, HWND handle) {
    switch (kind) {
        case ControlKind::Label: return new TLabel(name, owner, handle);
        case ControlKind::Edit: return new TEdit(name, owner, handle);
        case ControlKind::Button: return new TButton(name, owner, handle);
        case ControlKind::GroupBox: return new TGroupBox(name, owner, handle);
        case ControlKind::CheckBox: return new TCheckBox(name, owner, handle);
    }
    return nullptr;
}

// A group box hosts its check boxes, so their notifications come to it,
// and the button's own window procedure drops them: they are handed on to
// the form. The group box's own procedure is kept in its user data.
LRESULT CALLBACK HostWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) return SendMessageW(GetParent(hwnd), message, wParam, lParam);
    const auto base = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return CallWindowProcW(base, hwnd, message, wParam, lParam);
}

void HostChildNotifications(HWND groupBox) {
    SetWindowLongPtrW(groupBox, GWLP_USERDATA, GetWindowLongPtrW(groupBox, GWLP_WNDPROC));
    SetWindowLongPtrW(groupBox, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HostWindowProc));
}

// WM_GETDPISCALEDSIZE (Windows 10 version 1703), which the headers offer
// only to programs that require that version.
constexpr UINT kGetDpiScaledSize = 0x02E4;

constexpr DWORD kFormStyle = WS_OVERLAPPEDWINDOW;
constexpr DWORD kFormExStyle = WS_EX_CONTROLPARENT;

}  // namespace

int ControlId(const std::vector<ControlDef>& controls, std::string_view name) {
    const auto row =
        std::find_if(controls.begin(), controls.end(), [&](const ControlDef& def) { return name == def.name; });
    return row == controls.end() ? 0 : kFirstControlId + static_cast<int>(row - controls.begin());
}

TForm::TForm(const FormDef& form, const std::vector<ControlDef>& controls)
    : TComponent(form.className, nullptr), def_(form) {
    // The destructor does not run for a constructor that throws: without
    // this, the window would live on pointing at the freed form.
    try {
        CreateFormWindow();
        CreateControls(controls);
        ApplyTabOrder(controls);
        PlaceLabels(controls);
        LayOut();
    } catch (...) {
        Release();
        throw;
    }
}

TForm::~TForm() { Release(); }

// The window goes, and with it its controls, their names and its pointer
// to this form (WM_DESTROY); then the font they used.
void TForm::Release() {
    if (handle_) DestroyWindow(handle_);
    if (font_) DeleteObject(font_);
    font_ = nullptr;
}

void TForm::CreateFormWindow() {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = WidenUi(def_.className);
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    if (!GetClassInfoExW(instance, className.c_str(), &windowClass)) {
        windowClass.lpfnWndProc = WindowProc;
        windowClass.hInstance = instance;
        windowClass.hIcon = LoadIconW(instance, L"MAINICON");
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = className.c_str();
        if (!RegisterClassExW(&windowClass)) throw Exception("cannot register the window class");
    }

    // The position is the system's choice. The size waits until the window
    // exists: the DPI of the monitor it is on decides it. WS_EX_ACCEPTFILES
    // is what DragAcceptFiles sets: set here, shell32 stays unloaded until a
    // file is dropped.
    const DWORD exStyle = kFormExStyle | (def_.acceptsFiles ? WS_EX_ACCEPTFILES : 0);
    handle_ = CreateWindowExW(exStyle, className.c_str(), WidenUi(def_.caption).c_str(), kFormStyle,
                              CW_USEDEFAULT, CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance, this);
    if (!handle_) throw Exception("cannot create the main window");
    SetDpi(WindowDpi(handle_));
    const Size client{ScaleToDpi(def_.clientWidth, dpi_), ScaleToDpi(def_.clientHeight, dpi_)};
    const Size outer = OuterSize(client, WindowFrame(kFormStyle, kFormExStyle, dpi_));
    SetWindowPos(handle_, nullptr, 0, 0, outer.width, outer.height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// The font follows the DPI; the controls get the new one before the old
// one goes.
void TForm::SetDpi(int dpi) {
    dpi_ = dpi;
    HFONT font = CreateFontW(ScaleToDpi(def_.fontHeight, dpi_), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                             def_.fontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                             DEFAULT_PITCH | FF_DONTCARE, WidenUi(def_.fontName).c_str());
    if (!font) return;  // the controls keep the font they have
    HFONT previous = font_;
    font_ = font;
    for (const Placed& control : placed_) {
        SendMessageW(control.handle, WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    }
    if (previous) DeleteObject(previous);
}

void TForm::CreateControls(const std::vector<ControlDef>& controls) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    for (const ControlDef& def : controls) {
        HWND parent = handle_;
        Size designParent{def_.clientWidth, def_.clientHeight};
        if (def.parent) {
            auto* parentControl = dynamic_cast<TControl*>(FindComponent(def.parent));
            if (!parentControl) throw Exception(std::string("unknown parent of ") + def.name);
            parent = parentControl->Handle();
            const auto host = std::find_if(placed_.begin(), placed_.end(),
                                           [&](const Placed& placed) { return placed.handle == parent; });
            designParent = {host->design.right - host->design.left, host->design.bottom - host->design.top};
        }
        const WindowStyle style = StyleOf(def.kind);
        const DWORD tabStop = def.tabOrder >= 0 && def.kind != ControlKind::GroupBox ? WS_TABSTOP : 0;
        // Placed by LayOut once all exist.
        HWND hwnd = CreateWindowExW(style.exStyle, style.className, WidenUi(def.caption ? def.caption : "").c_str(),
                                    WS_CHILD | WS_VISIBLE | style.style | tabStop, 0, 0, 0, 0, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(ControlId(controls, def.name))),
                                    instance, nullptr);
        if (!hwnd) throw Exception(std::string("cannot create the control ") + def.name);
        placed_.push_back({hwnd, {def.left, def.top, def.left + def.width, def.top + def.height}, designParent,
                           def.anchors, def.kind == ControlKind::Label, def.onClick});
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (def.kind == ControlKind::GroupBox) HostChildNotifications(hwnd);
        MakeControl(def.kind, def.name, this, hwnd);
    }
}

// Dialog navigation visits siblings in z-order, so the z-order of each
// parent's children is set to the tab order.
void TForm::ApplyTabOrder(const std::vector<ControlDef>& controls) {
    std::map<std::string, std::vector<const ControlDef*>> byParent;
    for (const ControlDef& def : controls) {
        if (def.tabOrder >= 0) byParent[def.parent ? def.parent : ""].push_back(&def);
    }
    for (auto& [parent, children] : byParent) {
        std::stable_sort(children.begin(), children.end(),
                         [](const ControlDef* a, const ControlDef* b) { return a->tabOrder < b->tabOrder; });
        HWND after = HWND_TOP;
        for (const ControlDef* def : children) {
            HWND hwnd = static_cast<TControl*>(FindComponent(def->name))->Handle();
            SetWindowPos(hwnd, after, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
            after = hwnd;
        }
    }
}

// Windows, and Wine likewise, names an edit control after the static text
// just before it in the z-order. Labels take no focus, so moving them there
// leaves the tab order as it is.
void TForm::PlaceLabels(const std::vector<ControlDef>& controls) {
    const auto handleOf = [this](const char* name) {
        auto* control = dynamic_cast<TControl*>(FindComponent(name));
        if (!control) throw Exception(std::string("unknown field of the label ") + name);
        return control->Handle();
    };
    for (const ControlDef& def : controls) {
        if (!def.labelFor) continue;
        const HWND label = handleOf(def.name);
        const HWND field = handleOf(def.labelFor);
        const HWND before = GetWindow(field, GW_HWNDPREV);
        if (before == label) continue;
        SetWindowPos(label, before ? before : HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
}

// Every control from its design row at the current DPI, against its
// parent's client area as it is now: rows come parents first, so a parent
// has its place before its children are placed in it.
void TForm::LayOut() {
    for (const Placed& control : placed_) {
        RECT client;
        GetClientRect(GetParent(control.handle), &client);
        Bounds r = PlaceControl(control.design, control.anchors, control.designParent, {client.right, client.bottom},
                                dpi_);
        if (control.fitsText) {
            const SIZE text = TextExtent(control.handle);
            r.right = r.left + text.cx;
            r.bottom = r.top + text.cy;
        }
        SetWindowPos(control.handle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// Labels size themselves to their text, so that no caption is cut off when
// the system's font is wider than the one the window was designed with.
SIZE TForm::TextExtent(HWND label) const {
    const int length = GetWindowTextLengthW(label);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(label, text.data(), length + 1);
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, font_);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    return extent;
}

// An exception cannot unwind through the system's message dispatch, so a
// handler's exception is shown here and the window carries on.
template <class Handler>
void TForm::RunHandler(Handler handler) {
    try {
        handler();
    } catch (const Exception& exception) {
        Application.ShowException(exception);
    } catch (const std::exception& exception) {
        Application.ShowException(Exception(exception.what()));
    }
}

// The drop is the system's to free once its first file is read.
void TForm::DropFiles(HDROP drop) {
    const UINT length = DragQueryFileW(drop, 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(drop, 0, path.data(), length + 1));
    DragFinish(drop);
    if (!path.empty()) RunHandler([this, &path] { FileDropped(path); });
}

LRESULT CALLBACK TForm::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* form = static_cast<TForm*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        form->handle_ = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(form));
    }
    auto* form = reinterpret_cast<TForm*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    return form ? form->HandleMessage(message, wParam, lParam) : DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT TForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED && lParam) {
                for (const Placed& control : placed_) {
                    if (control.handle == reinterpret_cast<HWND>(lParam) && control.onClick) {
                        RunHandler([this, &control] { (this->*control.onClick)(); });
                        return 0;
                    }
                }
            }
            break;
        case WM_DROPFILES:
            DropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_SIZE:
            if (wParam != SIZE_MINIMIZED) LayOut();
            return 0;
        case kGetDpiScaledSize: {
            // Asked before WM_DPICHANGED where the system can: the client
            // area scales and the frame is the new DPI's own, where the
            // suggestion would scale the whole window, frame and all.
            RECT client;
            GetClientRect(handle_, &client);
            const int dpi = static_cast<int>(wParam);
            const Size outer = OuterSize({MulDiv(client.right, dpi, dpi_), MulDiv(client.bottom, dpi, dpi_)},
                                         WindowFrame(kFormStyle, kFormExStyle, dpi));
            *reinterpret_cast<SIZE*>(lParam) = {outer.width, outer.height};
            return TRUE;
        }
        case WM_DPICHANGED: {
            SetDpi(HIWORD(wParam));
            const RECT& suggested = *reinterpret_cast<const RECT*>(lParam);
            SetWindowPos(handle_, nullptr, suggested.left, suggested.top, suggested.right - suggested.left,
                         suggested.bottom - suggested.top, SWP_NOZORDER | SWP_NOACTIVATE);
            LayOut();  // also when the size stayed and no WM_SIZE came
            return 0;
        }
        case WM_ACTIVATE:
            // Give the keyboard back to the control that had it, or to the
            // first in tab order when the window is first shown.
            if (LOWORD(wParam) == WA_INACTIVE) {
                focus_ = GetFocus();
            } else {
                SetFocus(focus_ && IsChild(handle_, focus_) ? focus_ : GetNextDlgTabItem(handle_, nullptr, FALSE));
            }
            return 0;
        case WM_DESTROY:
            SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
            handle_ = nullptr;
            // A form whose construction failed never became the main form;
            // a WM_QUIT from it would close the box that shows the error.
            if (Application.MainForm() == this) PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

}  // namespace corelim
