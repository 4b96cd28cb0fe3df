/* The plainest window: the floor under any window program's start. */
#include <windows.h>

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    WNDCLASSW windowClass = {0, WindowProc, 0, 0, instance, 0, 0, (HBRUSH)(COLOR_BTNFACE + 1), 0, L"MinimalWindow"};
    MSG message;
    (void)previous;
    (void)commandLine;
    RegisterClassW(&windowClass);
    ShowWindow(CreateWindowW(L"MinimalWindow", L"minimal", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, 0, 377, 261, 0, 0,
                             instance, 0),
               show);
    while (GetMessageW(&message, 0, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
