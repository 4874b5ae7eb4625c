#include <gtest/gtest.h>

#include "presentation/viewport.h"

namespace tsn {
namespace {

TEST(Viewport, ScrollEdgesShowHalfAFrameCell) {
    const DisplayRegion r = RegionFor(60, 24, false);
    const ScrollEdges e = ComputeScrollEdges(r, 1.0f, 640, 400);
    EXPECT_EQ(e.MinX, 16);
    EXPECT_EQ(e.MinY, 16);
    EXPECT_EQ(e.MaxX, (58 + 1.5) * 32 - 640);
    EXPECT_EQ(e.MaxY, (22 + 1.5) * 32 - 400);
    const ScrollEdges z = ComputeScrollEdges(r, 2.0f, 640, 400);
    EXPECT_EQ(z.MinX, 32);
    EXPECT_EQ(z.MaxX, (58 + 1.5) * 64 - 640);
}

TEST(Viewport, ClampingAndCrossedBounds) {
    const ScrollEdges e{16, 1264, 16, 352};
    int16_t x = -50, y = 400;
    ClampScrollTarget(e, x, y);
    EXPECT_EQ(x, 16);
    EXPECT_EQ(y, 352);
    // A pane wider than the level: the maximum lies below the minimum and wins.
    const ScrollEdges crossed = ComputeScrollEdges(RegionFor(10, 10, false), 1.0f, 1000, 1000);
    ASSERT_LT(crossed.MaxX, crossed.MinX);
    int16_t cx = 0, cy = 0;
    ClampScrollTarget(crossed, cx, cy);
    EXPECT_EQ(cx, crossed.MaxX);
    EXPECT_EQ(cy, crossed.MaxY);
}

TEST(Viewport, MurphyTargetCentresHisCell) {
    int16_t x = 0, y = 0;
    MurphyScrollTarget(320, 160, 1.0f, 640, 401, x, y);
    EXPECT_EQ(x, 336 - 320);
    EXPECT_EQ(y, 176 - 200);
    MurphyScrollTarget(320, 160, 2.0f, 640, 400, x, y);
    EXPECT_EQ(x, 672 - 320);
}

TEST(ZoomMenu, RangesChooseTheItem) {
    EXPECT_EQ(ZoomMenuItem(0.85f), 8);
    EXPECT_EQ(ZoomMenuItem(0.8f), 7);
    EXPECT_EQ(ZoomMenuItem(1.6f), 13);
    EXPECT_EQ(ZoomMenuItem(0.125f), 1);
    EXPECT_EQ(ZoomMenuItem(3.0f), 24);
    EXPECT_EQ(ZoomMenuItem(4.5f), 24);
    EXPECT_EQ(ZoomMenuItem(0.1255f), 0);  // between two ranges: nothing changes
    EXPECT_EQ(ZoomMenuItem(6.0f), 0);
    // Each item's own value lies in its range, except 7/8, 15/8 and 23/8, which the ranges
    // give to the next item.
    for (int i = 1; i <= kZoomItems; ++i) {
        const int expected = (i == 7 || i == 15 || i == 23) ? i + 1 : i;
        EXPECT_EQ(ZoomMenuItem(static_cast<float>(i) / 8.0f), expected) << i;
    }
    EXPECT_FLOAT_EQ(AutoStretch(1024, 768), 1.6f);
    EXPECT_EQ(ZoomMenuItem(AutoStretch(1024, 768)), 13);
    EXPECT_FLOAT_EQ(AutoStretch(1920, 1080), 34 / 15.0f);  // 45 and 34 fifteenths: the smaller
}

TEST(ZoomMenu, ItemsAndStepsStayInRange) {
    EXPECT_FLOAT_EQ(ZoomForItem(8).stretch, 1.0f);
    EXPECT_EQ(ZoomForItem(0).item, 1);
    EXPECT_FLOAT_EQ(ZoomForItem(0).stretch, 0.125f);
    EXPECT_EQ(ZoomForItem(30).item, 24);
    EXPECT_FLOAT_EQ(ZoomForItem(30).stretch, 3.0f);
    EXPECT_FLOAT_EQ(ZoomStep(0.875f, true), 1.0f);
    EXPECT_FLOAT_EQ(ZoomStep(3.0f, true), 3.0f);
    EXPECT_FLOAT_EQ(ZoomStep(0.125f, false), 0.125f);
}

TEST(Viewport, PaneLayoutLimits) {
    const DisplayRegion r = RegionFor(60, 24, false);
    PaneSize p = LayoutPane(5000, 5000, r, 1.0f, false, false);
    EXPECT_EQ(p.width, 59 * 32);
    EXPECT_EQ(p.height, 23 * 32);
    p = LayoutPane(5000, 5000, r, 2.0f, true, true);
    EXPECT_EQ(p.width, 1280);
    EXPECT_EQ(p.height, 704);
    p = LayoutPane(300, -5, r, 1.0f, true, false);
    EXPECT_EQ(p.width, 300);
    EXPECT_EQ(p.height, 0);
}

}  // namespace
}  // namespace tsn
