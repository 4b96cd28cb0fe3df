#pragma once

#include <windows.h>

#include "layout.h"

namespace corelim {

// What the layout needs from the system, asked once per change of DPI. The
// per-monitor calls exist from Windows 10 version 1607; before that the
// system DPI and the system's frame stand in.

// The DPI of the monitor the window is on (per-monitor aware), else the
// system's.
int WindowDpi(HWND window);

// The frame the system draws around a client area for this style at `dpi`.
Frame WindowFrame(DWORD style, DWORD exStyle, int dpi);

}  // namespace corelim
