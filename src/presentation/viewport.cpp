#include "presentation/viewport.h"

#include <algorithm>

#include "presentation/rounding.h"

namespace tsn {

ScrollEdges ComputeScrollEdges(const DisplayRegion& r, float stretch, int paneWidth,
                               int paneHeight) {
    ScrollEdges e;
    const double z = static_cast<double>(stretch) * 32.0;
    e.MinX = RoundTo16((r.MinX - 0.5) * z);
    e.MinY = RoundTo16((r.MinY - 0.5) * z);
    e.MaxX = RoundTo16((r.MaxX + 1.5) * z - paneWidth);
    e.MaxY = RoundTo16((r.MaxY + 1.5) * z - paneHeight);
    return e;
}

void ClampScrollTarget(const ScrollEdges& e, int16_t& x, int16_t& y) {
    if (x < e.MinX) x = e.MinX;
    if (x > e.MaxX) x = e.MaxX;
    if (y < e.MinY) y = e.MinY;
    if (y > e.MaxY) y = e.MaxY;
}

void MurphyScrollTarget(int murphyX, int murphyY, float stretch, int paneWidth, int paneHeight,
                        int16_t& x, int16_t& y) {
    x = RoundTo16((murphyX + 16) * static_cast<double>(stretch) - paneWidth / 2);
    y = RoundTo16((murphyY + 16) * static_cast<double>(stretch) - paneHeight / 2);
}

int ZoomMenuItem(float stretch) {
    struct Range {
        double lo, hi;
    };
    static constexpr Range kRanges[kZoomItems] = {
        {0, 0.125},       {0.126, 0.25},    {0.26, 0.375},    {0.376, 0.5},
        {0.51, 0.625},    {0.626, 0.75},    {0.751, 0.825},   {0.826, 1.0},
        {1.01, 1.125},    {1.126, 1.25},    {1.251, 1.375},   {1.376, 1.5},
        {1.51, 1.625},    {1.626, 1.75},    {1.751, 1.825},   {1.826, 2.0},
        {2.01, 2.125},    {2.126, 2.25},    {2.251, 2.375},   {2.376, 2.5},
        {2.51, 2.625},    {2.626, 2.75},    {2.751, 2.825},   {2.826, 5.0},
    };
    const double v = stretch;
    for (int i = 0; i < kZoomItems; ++i)
        if (v >= kRanges[i].lo && v <= kRanges[i].hi) return i + 1;
    return 0;
}

float AutoStretch(int screenWidth, int screenHeight) {
    const int64_t w = RoundHalfEven(screenWidth * 15 / 640.0);
    const int64_t h = RoundHalfEven(screenHeight * 15 / 480.0);
    return static_cast<float>(std::min(w, h)) / 15.0f;
}

ZoomChoice ZoomForItem(int index) {
    float stretch = static_cast<float>(index) * 0.125f;
    int item = index;
    if (stretch < kMinStretch) {
        stretch = kMinStretch;
        item = 1;
    }
    if (stretch > kMaxStretch) {
        stretch = kMaxStretch;
        item = kZoomItems;
    }
    return {stretch, item};
}

float ZoomStep(float stretch, bool zoomIn) {
    float v = stretch + (zoomIn ? 0.125f : -0.125f);
    return std::clamp(v, kMinStretch, kMaxStretch);
}

PaneSize LayoutPane(int availableWidth, int availableHeight, const DisplayRegion& r,
                    float stretch, bool limitToOriginal, bool panelVisible) {
    double w = availableWidth, h = availableHeight;
    w = std::min(w, (r.Width - 1) * 32.0 * stretch);
    h = std::min(h, (r.Height - 1) * 32.0 * stretch);
    if (limitToOriginal) {
        w = std::min(w, 640.0 * stretch);
        h = std::min(h, (panelVisible ? 352.0 : 400.0) * stretch);
    }
    PaneSize p;
    p.width = std::max(0, RoundTo32(w));
    p.height = std::max(0, RoundTo32(h));
    return p;
}

}  // namespace tsn
