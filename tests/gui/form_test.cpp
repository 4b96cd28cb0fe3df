// The window layer in this process: a form whose table fails halfway, and
// check boxes whose clicks reach the form through their group box.
#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

#include "exception.h"
#include "form.h"

namespace corelim {
namespace {

class TTestForm : public TForm {
public:
    explicit TTestForm(const std::vector<ControlDef>& controls)
        : TForm({"TTestForm", "form test", 200, 100, "Tahoma", -11, DEFAULT_CHARSET, false}, controls) {}
    void CheckBox_TestClick() { ++clicks; }
    int clicks = 0;
};

ControlDef Row(const char* name, ControlKind kind, const char* parent, ClickHandler onClick = nullptr) {
    return {name, kind, parent, 8, 8, 100, 40, akLeft | akTop, name, nullptr, 0, onClick};
}

TEST(Form, ACheckBoxInAGroupBoxReachesItsHandler) {
    TTestForm form({Row("GroupBox_Test", ControlKind::GroupBox, nullptr),
                    Row("CheckBox_Test", ControlKind::CheckBox, "GroupBox_Test",
                        Handler(&TTestForm::CheckBox_TestClick))});
    ShowWindow(form.Handle(), SW_SHOWNOACTIVATE);
    SendMessageW(static_cast<TControl*>(form.FindComponent("CheckBox_Test"))->Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.clicks, 1);
}

// A failure after the window exists: the window and its controls go with
// the form, and no WM_QUIT is left behind to close the error
// box at once. A form that is not the main one leaves none when it closes.
TEST(Form, AFormThatGoesLeavesNoWindowAndNoQuit) {
    EXPECT_THROW(TTestForm({Row("GroupBox_Test", ControlKind::GroupBox, nullptr),
                            Row("CheckBox_Test", ControlKind::CheckBox, "GroupBox_Missing")}),
                 Exception);
    EXPECT_EQ(FindWindowW(L"TTestForm", nullptr), nullptr);
    MSG message;
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));

    delete new TTestForm({Row("GroupBox_Test", ControlKind::GroupBox, nullptr)});
    EXPECT_EQ(FindWindowW(L"TTestForm", nullptr), nullptr);
    EXPECT_FALSE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
}

}  // namespace
}  // namespace corelim
