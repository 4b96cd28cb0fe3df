#include "window_metrics.h"

namespace corelim {

namespace {

// user32 is one of the system's known DLLs, always taken from the system
// folder, and already loaded: looking its functions up is safe.
template <class Function>
Function* User32Function(const char* name) {
    return reinterpret_cast<Function*>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}

}  // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT WINAPI(HWND);
    static auto* const forWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    const int dpi = forWindow ? static_cast<int>(forWindow(window)) : 0;
    return dpi > 0 ? dpi : SystemDpi();
}

Frame WindowFrame(DWORD style, DWORD exStyle, int dpi) {
    using AdjustForDpiFn = BOOL WINAPI(RECT*, DWORD, BOOL, DWORD, UINT);
    static auto* const forDpi = User32Function<AdjustForDpiFn>("AdjustWindowRectExForDpi");
    RECT rect{0, 0, 0, 0};
    if (!forDpi || !forDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) {
        rect = RECT{0, 0, 0, 0};
        AdjustWindowRectEx(&rect, style, FALSE, exStyle);
    }
    return {-rect.left, -rect.top, rect.right, rect.bottom};
}

}  // namespace corelim
