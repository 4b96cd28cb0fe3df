#pragma once

#include <windows.h>

namespace corelim::test {

// The DPI of the (only) monitor: Wine has no per-monitor DPI.
int SystemDpi();
inline int Scaled(int designPixels, int dpi) { return MulDiv(designPixels, dpi, 96); }

RECT RectOf(HWND hwnd);
// A control's rectangle in its parent's client coordinates.
RECT PlaceOf(HWND control);
RECT ClientOf(HWND hwnd);

// Expects the main window's design places at `dpi`: controls anchored left
// and top where the table puts them, Execute at its distances to the right
// and bottom edges.
void ExpectLaidOutAt(HWND mainWindow, int dpi);

}  // namespace corelim::test
