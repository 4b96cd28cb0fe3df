#include "window_metrics.h"

#include "system_library.h"

namespace corelim {

namespace {

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    static auto* const forWindow = LoadedFunction<GetDpiForWindowFn>(L"user32.dll", "GetDpiForWindow");
    const int dpi = forWindow ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

Frame WindowFrame(DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const forDpi = LoadedFunction<AdjustForDpiFn>(L"user32.dll", "AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (!forDpi || !forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = RECT{0, 0, 0, 0};
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {-rect.left, -rect.top, rect.right, rect.bottom};
}

}  // namespace corelim
