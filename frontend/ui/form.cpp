#include "form.h"

#include <algorithm>
#include <map>

#include "application.h"
#include "exception.h"
#include "text.h"

namespace corelim {

namespace {

// Tests find controls across processes by this window property: a global
// atom holding the control's name.
constexpr wchar_t kNameProperty[] = L"CorelimName";
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

int ScreenDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

}  // namespace

TForm::TForm(const FormDef& form, const std::vector<ControlDef>& controls)
    : TComponent(form.className, nullptr), dpi_(ScreenDpi()) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = WidenUi(form.className);
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

    // The position is the system's choice; the designed size stays.
    handle_ = CreateWindowExW(WS_EX_CONTROLPARENT, className.c_str(), WidenUi(form.caption).c_str(),
                              WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                              Scale(form.width), Scale(form.height), nullptr, nullptr, instance, this);
    if (!handle_) throw Exception("cannot create the main window");

    font_ = CreateFontW(Scale(form.fontHeight), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE,
                        form.fontCharset, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                        DEFAULT_PITCH | FF_DONTCARE, WidenUi(form.fontName).c_str());
    CreateControls(controls);
    ApplyTabOrder(controls);
}

TForm::~TForm() {
    if (handle_) DestroyWindow(handle_);
    if (font_) DeleteObject(font_);
}

int TForm::Scale(int designPixels) const { return MulDiv(designPixels, dpi_, 96); }

// Labels size themselves to their text, so that no caption is cut off when
// the system's font is wider than the one the window was designed with.
void TForm::FitToText(HWND label) const {
    const int length = GetWindowTextLengthW(label);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(label, text.data(), length + 1);
    HDC dc = GetDC(label);
    HGDIOBJ previous = SelectObject(dc, font_);
    SIZE extent{};
    GetTextExtentPoint32W(dc, text.c_str(), length, &extent);
    SelectObject(dc, previous);
    ReleaseDC(label, dc);
    SetWindowPos(label, nullptr, 0, 0, extent.cx, extent.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TForm::CreateControls(const std::vector<ControlDef>& controls) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    int id = kFirstControlId;
    for (const ControlDef& def : controls) {
        HWND parent = handle_;
        if (def.parent) {
            auto* parentControl = dynamic_cast<TControl*>(FindComponent(def.parent));
            if (!parentControl) throw Exception(std::string("unknown parent of ") + def.name);
            parent = parentControl->Handle();
        }
        const WindowStyle style = StyleOf(def.kind);
        const DWORD tabStop = def.tabOrder >= 0 && def.kind != ControlKind::GroupBox ? WS_TABSTOP : 0;
        const RECT design{Scale(def.left), Scale(def.top), Scale(def.left + def.width), Scale(def.top + def.height)};
        HWND hwnd = CreateWindowExW(style.exStyle, style.className, WidenUi(def.caption ? def.caption : "").c_str(),
                                    WS_CHILD | WS_VISIBLE | style.style | tabStop, design.left, design.top,
                                    design.right - design.left, design.bottom - design.top, parent,
                                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id++)), instance, nullptr);
        if (!hwnd) throw Exception(std::string("cannot create the control ") + def.name);
        SendMessageW(hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(font_), FALSE);
        if (def.kind == ControlKind::Label) FitToText(hwnd);
        SetPropW(hwnd, kNameProperty, reinterpret_cast<HANDLE>(static_cast<UINT_PTR>(GlobalAddAtomA(def.name))));
        MakeControl(def.kind, def.name, this, hwnd);

        RECT client;
        GetClientRect(parent, &client);
        placed_.push_back({hwnd, design, def.anchors, client.right - design.right, client.bottom - design.bottom,
                           def.onClick});
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

void TForm::FollowAnchors() {
    RECT client;
    GetClientRect(handle_, &client);
    for (const Placed& control : placed_) {
        if (GetParent(control.handle) != handle_ || !(control.anchors & (akRight | akBottom))) continue;
        RECT r = control.design;
        if (control.anchors & akRight) {
            const int right = client.right - control.rightMargin;
            if (!(control.anchors & akLeft)) r.left += right - r.right;
            r.right = right;
        }
        if (control.anchors & akBottom) {
            const int bottom = client.bottom - control.bottomMargin;
            if (!(control.anchors & akTop)) r.top += bottom - r.bottom;
            r.bottom = bottom;
        }
        SetWindowPos(control.handle, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                     SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

// An exception cannot unwind through the system's message dispatch, so a
// handler's exception is shown here and the window carries on.
void TForm::RunHandler(ClickHandler handler) {
    try {
        (this->*handler)();
    } catch (const Exception& exception) {
        Application.ShowException(exception);
    } catch (const std::exception& exception) {
        Application.ShowException(Exception(exception.what()));
    }
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
                        RunHandler(control.onClick);
                        return 0;
                    }
                }
            }
            break;
        case WM_SIZE:
            if (!placed_.empty()) FollowAnchors();
            return 0;
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
            // Sent before the children go: their names are still readable.
            for (const Placed& control : placed_) {
                GlobalDeleteAtom(static_cast<ATOM>(reinterpret_cast<UINT_PTR>(RemovePropW(control.handle, kNameProperty))));
            }
            SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
            handle_ = nullptr;
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(handle_, message, wParam, lParam);
}

}  // namespace corelim
