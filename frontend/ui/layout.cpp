#include "layout.h"

#include <algorithm>

namespace corelim {

namespace {

// One axis: the near edge and the far edge of a control.
void PlaceAxis(int& nearEdge, int& farEdge, bool nearAnchored, bool farAnchored, int designFar, int designParent,
               int parent, int dpi) {
    if (!farAnchored) return;
    const int anchoredFar = parent - ScaleToDpi(designParent - designFar, dpi);
    if (!nearAnchored) nearEdge += anchoredFar - farEdge;
    farEdge = std::max(anchoredFar, nearEdge);
}

}  // namespace

int ScaleToDpi(int designPixels, int dpi) {
    const long long product = static_cast<long long>(designPixels) * dpi;
    const long long half = kDesignDpi / 2;
    return static_cast<int>(product >= 0 ? (product + half) / kDesignDpi : -((-product + half) / kDesignDpi));
}

Size OuterSize(Size client, const Frame& frame) {
    return {client.width + frame.left + frame.right, client.height + frame.top + frame.bottom};
}

Bounds PlaceControl(const Bounds& design, unsigned anchors, Size designParent, Size parent, int dpi) {
    Bounds placed{ScaleToDpi(design.left, dpi), ScaleToDpi(design.top, dpi), ScaleToDpi(design.right, dpi),
                  ScaleToDpi(design.bottom, dpi)};
    PlaceAxis(placed.left, placed.right, anchors & akLeft, anchors & akRight, design.right, designParent.width,
              parent.width, dpi);
    PlaceAxis(placed.top, placed.bottom, anchors & akTop, anchors & akBottom, design.bottom, designParent.height,
              parent.height, dpi);
    return placed;
}

}  // namespace corelim
