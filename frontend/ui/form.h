#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <string_view>
#include <vector>

#include "components.h"
#include "layout.h"

namespace corelim {

class TForm;
using ClickHandler = void (TForm::*)();

// Lets a table name a handler of a class derived from TForm.
template <class Form>
constexpr ClickHandler Handler(void (Form::*method)()) {
    return static_cast<ClickHandler>(method);
}

enum class ControlKind { Label, Edit, Button, GroupBox, CheckBox };

// One row of a window definition. Geometry is in client coordinates at
// 96 dpi; parent is the form (nullptr) or an earlier row's name; rows are
// in creation order; a tab order of -1 means the control takes no focus;
// anchors are those of layout.h. A label names the field in `labelFor`
// (a row's name, or nullptr): screen readers call the field by its caption.
struct ControlDef {
    const char* name;
    ControlKind kind;
    const char* parent;
    int left, top, width, height;
    unsigned anchors;
    const char* caption;
    const char* labelFor;
    int tabOrder;
    ClickHandler onClick;
};

// The ID of the control that the row named `name` creates, 0 when there is
// no such row: rows are numbered in table order. By it, tests and Windows'
// own tools (GetDlgItem, UI Automation's AutomationId) find a control.
int ControlId(const std::vector<ControlDef>& controls, std::string_view name);

// The window itself: caption, client size at 96 dpi, font, whether files
// may be dropped on it. The outer size follows from the system's frame,
// which differs between Windows versions.
struct FormDef {
    const char* className;
    const char* caption;
    int clientWidth, clientHeight;
    const char* fontName;
    int fontHeight;
    BYTE fontCharset;
    bool acceptsFiles;
};

// A top-level window whose controls are created from a table. Tab and
// Shift+Tab follow the table's tab order (into group boxes too); controls
// anchored right or bottom follow those edges when the window is resized;
// everything is laid out again, with a new font, when the window moves to a
// monitor of another DPI. Only the application's main form ends the message
// loop when its window goes. A file dropped on the window (the first of
// several) goes to FileDropped.
class TForm : public TComponent {
public:
    TForm(const FormDef& form, const std::vector<ControlDef>& controls);
    ~TForm() override;

    HWND Handle() const { return handle_; }
    // Runs once the window and all its controls exist.
    virtual void FormCreate() {}
    // A file dropped on the window; only a form that accepts files gets
    // them.
    virtual void FileDropped(const std::wstring& /*path*/) {}

private:
    struct Placed {
        HWND handle;
        Bounds design;      // at 96 dpi, in the parent's client coordinates
        Size designParent;  // the parent's client size at 96 dpi
        unsigned anchors;
        bool fitsText;
        ClickHandler onClick;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateFormWindow();
    void CreateControls(const std::vector<ControlDef>& controls);
    void ApplyTabOrder(const std::vector<ControlDef>& controls);
    void PlaceLabels(const std::vector<ControlDef>& controls);
    void SetDpi(int dpi);
    void LayOut();
    SIZE TextExtent(HWND label) const;
    template <class Handler>
    void RunHandler(Handler handler);
    void DropFiles(HDROP drop);
    void Release();

    const FormDef def_;
    HWND handle_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = kDesignDpi;
    HWND focus_ = nullptr;
    std::vector<Placed> placed_;
};

}  // namespace corelim
