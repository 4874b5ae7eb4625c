#pragma once
// Viewport arithmetic: scroll bounds, the target that centres Murphy, zoom steps and the zoom
// menu's ranges, and the size of the view pane.
#include <cstdint>

#include "presentation/field_renderer.h"

namespace tsn {

inline constexpr float kMinStretch = 0.125f;
inline constexpr float kMaxStretch = 3.0f;
inline constexpr int kZoomItems = 24;  // item i stands for a zoom of i / 8

struct ScrollEdges {
    int16_t MinX = 0, MaxX = 0, MinY = 0, MaxY = 0;
};

// Bounds that show exactly half of the frame cell beyond the first and last drawn cell.
ScrollEdges ComputeScrollEdges(const DisplayRegion& r, float stretch, int paneWidth,
                               int paneHeight);

// Raised to the minimum first, then lowered to the maximum: when the bounds cross (a pane
// wider than the level) the maximum wins.
void ClampScrollTarget(const ScrollEdges& e, int16_t& x, int16_t& y);

// The scroll target (zoomed pixels) that puts the centre of Murphy's cell at the pane centre.
void MurphyScrollTarget(int murphyX, int murphyY, float stretch, int paneWidth, int paneHeight,
                        int16_t& x, int16_t& y);

// The zoom menu item whose range holds `stretch`, or 0 when it lies in none.
int ZoomMenuItem(float stretch);

// The automatic zoom: the screen's size relative to 640 x 480, the smaller of the two ratios
// in fifteenths (a 1024 x 768 screen gives 1.6).
float AutoStretch(int screenWidth, int screenHeight);

// Zoom of menu item `index` and the item that ends up checked (clamped to 1 .. 24).
struct ZoomChoice {
    float stretch;
    int item;
};
ZoomChoice ZoomForItem(int index);

// One keyboard or wheel step of 0.125, clamped to 0.125 .. 3.0.
float ZoomStep(float stretch, bool zoomIn);

struct PaneSize {
    int width = 0, height = 0;
};
// The view pane inside the available area: at most the shown region plus half a frame cell on
// each side, optionally limited to the original screen size (with room for the panel).
PaneSize LayoutPane(int availableWidth, int availableHeight, const DisplayRegion& r,
                    float stretch, bool limitToOriginal, bool panelVisible);

}  // namespace tsn
