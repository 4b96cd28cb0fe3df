#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "components.h"

namespace corelim {

class TForm;
using ClickHandler = void (TForm::*)();

// Lets a table name a handler of a class derived from TForm.
template <class Form>
constexpr ClickHandler Handler(void (Form::*method)()) {
    return static_cast<ClickHandler>(method);
}

enum class ControlKind { Label, Edit, Button, GroupBox, CheckBox };

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

// One row of a window definition. Geometry is in client coordinates at
// 96 dpi; parent is the form (nullptr) or an earlier row's name; rows are
// in creation order; a tab order of -1 means the control takes no focus.
struct ControlDef {
    const char* name;
    ControlKind kind;
    const char* parent;
    int left, top, width, height;
    unsigned anchors;
    const char* caption;
    int tabOrder;
    ClickHandler onClick;
};

// The window itself: caption, outer size at 96 dpi, font.
struct FormDef {
    const char* className;
    const char* caption;
    int width, height;
    const char* fontName;
    int fontHeight;
    BYTE fontCharset;
};

// A top-level window whose controls are created from a table. Tab and
// Shift+Tab follow the table's tab order (into group boxes too); controls
// anchored right or bottom follow those edges when the window is resized.
class TForm : public TComponent {
public:
    TForm(const FormDef& form, const std::vector<ControlDef>& controls);
    ~TForm() override;

    HWND Handle() const { return handle_; }
    // Runs once the window and all its controls exist.
    virtual void FormCreate() {}

private:
    struct Placed {
        HWND handle;
        RECT design;  // scaled, in the parent's client coordinates
        unsigned anchors;
        int rightMargin, bottomMargin;
        ClickHandler onClick;
    };

    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void CreateControls(const std::vector<ControlDef>& controls);
    void ApplyTabOrder(const std::vector<ControlDef>& controls);
    void FollowAnchors();
    void RunHandler(ClickHandler handler);
    int Scale(int designPixels) const;
    void FitToText(HWND label) const;

    HWND handle_ = nullptr;
    HFONT font_ = nullptr;
    int dpi_ = 96;
    HWND focus_ = nullptr;
    std::vector<Placed> placed_;
};

}  // namespace corelim
