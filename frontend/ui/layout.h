#pragma once

// The window's geometry as plain arithmetic: design pixels at 96 dpi scaled
// to the window's DPI, anchored controls kept at their designed distances
// from their parent's edges, and the outer size that gives the designed
// client area. What only the system knows (the DPI, the frame) comes in as
// arguments.
namespace corelim {

constexpr int kDesignDpi = 96;

enum Anchor : unsigned { akLeft = 1, akTop = 2, akRight = 4, akBottom = 8 };

struct Size {
    int width, height;
};

// Edges in a parent's client coordinates.
struct Bounds {
    int left, top, right, bottom;
};

// How far the window's frame reaches beyond its client area on each side.
struct Frame {
    int left, top, right, bottom;
};

// Rounded half away from zero, as MulDiv rounds, so that a negative font
// height scales as its size does.
int ScaleToDpi(int designPixels, int dpi);

Size OuterSize(Size client, const Frame& frame);

// Where a control goes at `dpi`: `design` is its rectangle at 96 dpi,
// `designParent` its parent's client size at 96 dpi, `parent` the parent's
// client size now. Edges anchored right or bottom keep their designed
// distance to that edge, scaled; a control anchored on both sides stretches,
// one anchored on the far side only moves. It never gets a negative size.
Bounds PlaceControl(const Bounds& design, unsigned anchors, Size designParent, Size parent, int dpi);

}  // namespace corelim
