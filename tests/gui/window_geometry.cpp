#include "window_geometry.h"

#include <gtest/gtest.h>

#include "gui_driver.h"

namespace corelim::test {

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi;
}

RECT RectOf(HWND hwnd) {
    RECT r;
    GetWindowRect(hwnd, &r);
    return r;
}

RECT PlaceOf(HWND control) {
    RECT r = RectOf(control);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

RECT ClientOf(HWND hwnd) {
    RECT r;
    GetClientRect(hwnd, &r);
    return r;
}

void ExpectLaidOutAt(HWND mainWindow, int dpi) {
    const RECT client = ClientOf(mainWindow);
    const RECT label = PlaceOf(FindControl(mainWindow, "Label1"));
    EXPECT_EQ(label.left, Scaled(16, dpi));
    EXPECT_EQ(label.top, Scaled(24, dpi));
    const RECT box = PlaceOf(FindControl(mainWindow, "CheckBox_CPU1"));
    EXPECT_EQ(box.left, Scaled(107, dpi));
    EXPECT_EQ(box.bottom, Scaled(24 + 17, dpi));
    const RECT execute = PlaceOf(FindControl(mainWindow, "Button_Execute"));
    EXPECT_EQ(client.right - execute.right, Scaled(8, dpi));
    EXPECT_EQ(client.bottom - execute.bottom, Scaled(10, dpi));
    EXPECT_EQ(execute.right - execute.left, Scaled(89, dpi));
}

}  // namespace corelim::test
