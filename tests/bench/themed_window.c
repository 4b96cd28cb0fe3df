/* The themed floor: a window with CorelimGUI's manifest (Common Controls 6,
   its DPI awareness), its font and its controls where the design puts them
   at 96 dpi, made by the plainest code: no table of its own, no layout, no
   scaling, no handlers. What it takes to show is what any themed window of
   this design pays. */
#include <windows.h>
#include <commctrl.h>

static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

static void Add(HWND parent, HFONT font, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                int x, int y, int width, int height) {
    HWND control = CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                                   0, GetModuleHandleW(0), 0);
    SendMessageW(control, WM_SETFONT, (WPARAM)font, FALSE);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int show) {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_STANDARD_CLASSES};
    WNDCLASSW windowClass = {0, WindowProc, 0, 0, instance, 0, LoadCursorW(0, MAKEINTRESOURCEW(32512)),
                             (HBRUSH)(COLOR_BTNFACE + 1), 0, L"ThemedWindow"};
    RECT frame = {0, 0, 369, 234};
    HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                             CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"ＭＳ Ｐゴシック");
    HWND window;
    MSG message;
    (void)previous;
    (void)commandLine;
    InitCommonControlsEx(&controls);
    RegisterClassW(&windowClass);
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, WS_EX_CONTROLPARENT);
    window = CreateWindowExW(WS_EX_CONTROLPARENT, L"ThemedWindow", L"利用CPU制限", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                             0, frame.right - frame.left, frame.bottom - frame.top, 0, 0, instance, 0);
    Add(window, font, L"STATIC", L"実行ファイル", SS_LEFT | SS_NOPREFIX, 0, 16, 24, 65, 12);
    Add(window, font, L"STATIC", L"起動オプション", SS_LEFT | SS_NOPREFIX, 0, 16, 72, 75, 12);
    Add(window, font, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 24, 40, 313, 20);
    Add(window, font, L"BUTTON", L"利用可能CPU", BS_GROUPBOX, 0, 16, 120, 345, 57);
    Add(window, font, L"BUTTON", L"CPU 0", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 48, 144, 67, 17);
    Add(window, font, L"BUTTON", L"CPU 1", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 123, 144, 67, 17);
    Add(window, font, L"BUTTON", L"CPU 2", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 198, 144, 67, 17);
    Add(window, font, L"BUTTON", L"CPU 3", WS_TABSTOP | BS_AUTOCHECKBOX, 0, 273, 144, 67, 17);
    Add(window, font, L"BUTTON", L"･･･", WS_TABSTOP, 0, 336, 40, 20, 20);
    Add(window, font, L"EDIT", L"", WS_TABSTOP | ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, 24, 88, 313, 20);
    Add(window, font, L"BUTTON", L"実行", WS_TABSTOP, 0, 272, 191, 89, 33);
    Add(window, font, L"BUTTON", L"デスクトップにショートカット作成", WS_TABSTOP, 0, 80, 191, 185, 33);
    Add(window, font, L"BUTTON", L"About ...", WS_TABSTOP, 0, 280, 8, 75, 25);
    ShowWindow(window, show);
    UpdateWindow(window);
    while (GetMessageW(&message, 0, 0, 0) > 0) {
        if (IsDialogMessageW(window, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}
