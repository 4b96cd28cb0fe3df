// The front end's window built in this process, for what cannot be sent
// from another one: messages that carry pointers.
#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "gui_driver.h"
#include "main_form.h"
#include "window_geometry.h"

namespace corelim::test {
namespace {

// WM_GETDPISCALEDSIZE, which the headers offer only to programs that
// require Windows 10.
constexpr UINT kGetDpiScaledSize = 0x02E4;

class MainFormTest : public ::testing::Test {
protected:
    // Sizes as the window sees them, not scaled for a program that knows
    // nothing of DPI.
    static void SetUpTestSuite() { SetProcessDPIAware(); }

    void SetUp() override { form_ = std::make_unique<TMainForm>(); }

    HWND Main() const { return form_->Handle(); }

    std::unique_ptr<TMainForm> form_;
};

// The outer size the system's frame needs around `client` at `dpi`.
SIZE FramedSize(SIZE client, int dpi) {
    using AdjustForDpi = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    auto* adjust = reinterpret_cast<AdjustForDpi*>(reinterpret_cast<void (*)()>(
        GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    RECT rect{0, 0, client.cx, client.cy};
    if (!adjust || !adjust(&rect, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT, static_cast<UINT>(dpi))) {
        ADD_FAILURE() << "AdjustWindowRectExForDpi is missing or failed";
    }
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// As the system moves the window to a monitor of another DPI and back: it
// asks the window for its size there, then suggests that rectangle.
TEST_F(MainFormTest, LayoutFollowsADpiChange) {
    const int dpi = SystemDpi();
    const int other = dpi == 96 ? 144 : 96;
    const RECT window = RectOf(Main());
    const RECT labelBefore = RectOf(FindControl(Main(), "Label1"));

    int current = dpi;
    for (const int target : {other, dpi}) {
        // The client area scales; the frame is the new DPI's own.
        const RECT client = ClientOf(Main());
        const SIZE expected =
            FramedSize({MulDiv(client.right, target, current), MulDiv(client.bottom, target, current)}, target);
        SIZE size{};
        ASSERT_TRUE(SendMessageW(Main(), kGetDpiScaledSize, static_cast<WPARAM>(target), reinterpret_cast<LPARAM>(&size)))
            << "the window leaves its size at " << target << " dpi to the system";
        EXPECT_EQ(size.cx, expected.cx);
        EXPECT_EQ(size.cy, expected.cy);

        const RECT suggested{window.left, window.top, window.left + size.cx, window.top + size.cy};
        SendMessageW(Main(), WM_DPICHANGED, MAKEWPARAM(target, target), reinterpret_cast<LPARAM>(&suggested));
        const RECT moved = RectOf(Main());
        EXPECT_TRUE(EqualRect(&moved, &suggested));
        ExpectLaidOutAt(Main(), target);
        // The label fits the text of the new font.
        const RECT label = RectOf(FindControl(Main(), "Label1"));
        EXPECT_NEAR(label.bottom - label.top, MulDiv(labelBefore.bottom - labelBefore.top, target, dpi), 2);
        current = target;
    }
}

}  // namespace
}  // namespace corelim::test
