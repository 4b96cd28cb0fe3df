#include "layout.h"

#include <gtest/gtest.h>

namespace corelim {

// Found by argument-dependent lookup, so in the type's own namespace.
bool operator==(const Bounds& a, const Bounds& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

void PrintTo(const Bounds& b, std::ostream* out) {
    *out << "{" << b.left << ", " << b.top << ", " << b.right << ", " << b.bottom << "}";
}

namespace {

TEST(Layout, ScalingRoundsHalfAwayFromZero) {
    struct Case {
        int design, dpi, expected;
    } cases[] = {
        {369, 96, 369}, {0, 144, 0}, {369, 144, 554}, {234, 144, 351}, {361, 120, 451},
        {1, 144, 2},    {-12, 144, -18}, {-1, 144, -2}, {-12, 120, -15}, {234, 192, 468},
    };
    for (const Case& c : cases) EXPECT_EQ(ScaleToDpi(c.design, c.dpi), c.expected) << c.design << " at " << c.dpi;
}

TEST(Layout, OuterSizeAddsTheFrame) {
    // Wine's default frame, and Windows 10 and 11's with the invisible resize borders.
    const Size classic = OuterSize({369, 234}, {4, 23, 4, 4});
    EXPECT_EQ(classic.width, 377);
    EXPECT_EQ(classic.height, 261);
    const Size modern = OuterSize({554, 351}, {11, 47, 11, 11});
    EXPECT_EQ(modern.width, 576);
    EXPECT_EQ(modern.height, 409);
}

// The main window's rows: 369 x 234 client, Execute anchored right and
// bottom, the path field stretching, the label anchored left and top.
TEST(Layout, AnchoredEdgesKeepTheirScaledMargins) {
    const Size design{369, 234};
    const Bounds execute{272, 191, 361, 224};
    const Bounds path{24, 40, 337, 60};
    const Bounds label{16, 24, 81, 36};
    const unsigned rightBottom = akRight | akBottom, stretch = akLeft | akTop | akRight, fixed = akLeft | akTop;
    struct Case {
        Bounds design;
        unsigned anchors;
        Size parent;
        int dpi;
        Bounds expected;
    } cases[] = {
        {execute, rightBottom, design, 96, execute},
        {execute, rightBottom, {449, 274}, 96, {352, 231, 441, 264}},
        {execute, rightBottom, {554, 351}, 144, {408, 287, 542, 336}},  // margins 12 and 15
        {execute, rightBottom, {600, 400}, 144, {454, 336, 588, 385}},
        {path, stretch, {449, 274}, 96, {24, 40, 417, 60}},
        {path, stretch, {554, 351}, 144, {36, 60, 506, 90}},
        {path, stretch, {40, 40}, 96, {24, 40, 24, 60}},  // squeezed to nothing, not below
        {label, fixed, {449, 274}, 96, label},
        {label, fixed, {554, 351}, 144, {24, 36, 122, 54}},
        {label, 0, {449, 274}, 96, label},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlaceControl(c.design, c.anchors, design, c.parent, c.dpi), c.expected)
            << "anchors " << c.anchors << " in " << c.parent.width << " x " << c.parent.height << " at " << c.dpi;
    }
}

}  // namespace
}  // namespace corelim
