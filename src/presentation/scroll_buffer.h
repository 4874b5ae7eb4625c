#pragma once
// The off-screen level surface: the whole level at 32 pixels per cell plus a one-cell margin,
// with a scroll position. Presenting copies the visible part, stretched by the zoom, onto the
// view pane; scrolling only moves the source rectangle of that copy.
#include <QImage>
#include <QRect>
#include <QSize>
#include <cstdint>
#include <functional>

#include "presentation/display_context.h"

namespace tsn {

class ScrollBuffer {
public:
    explicit ScrollBuffer(DisplayContext& ctx) : ctx_(ctx) {}

    // A surface of exactly width x height pixels at scroll position (0, 0). False (and the
    // buffer unusable) when the size is not positive or the memory cannot be had.
    bool CreateAtSize(int width, int height);
    bool Valid() const { return !surface_.isNull(); }

    // Fills the whole buffer (callers pass black).
    void Cls(uint32_t bgr);

    // The part of the buffer that a pane of the given size shows: its size is the pane size
    // divided by the zoom, its corner the offsets plus the scroll position.
    QRect SourceRect(QSize pane) const;

    // Presents: hands the picture to the presenter (the view pane repaints from it).
    void Blt();

    // Scroll targets are zoomed pixels; they are converted to buffer pixels and written back.
    void ScrollTo(int16_t& x, int16_t& y);
    // At most `step` buffer pixels straight towards the target; lands on it when close enough.
    void ScrollTowards(int16_t& x, int16_t& y, double step);
    // A glide of `timeMs` at `stepsPerSecond`, presenting every step; a nested call while one
    // runs returns at once.
    void SoftScrollTo(int16_t& x, int16_t& y, int32_t timeMs, int16_t stepsPerSecond);

    // Editor grid lines around every field cell and around a single cell.
    void DrawGrid(uint32_t bgr, int fieldWidth, int fieldHeight, bool nonStandard);
    void DrawGrid2(uint32_t bgr, int column, int row, bool nonStandard);

    int DestXOff = 0;
    int DestYOff = 0;
    int ScrollXPos() const { return scrollX_; }
    int ScrollYPos() const { return scrollY_; }
    int Width() const { return surface_.width(); }
    int Height() const { return surface_.height(); }
    QImage& Surface() { return surface_; }
    const QImage& Surface() const { return surface_; }

    // Called by Blt to show the picture.
    std::function<void()> presenter;
    // Waits the given milliseconds with the high-resolution timer (events keep running).
    std::function<void(int ms)> waiter;

private:
    void SetPosition(int x, int y);
    void ToBufferPixels(int16_t& x, int16_t& y) const;

    DisplayContext& ctx_;
    QImage surface_;
    int scrollX_ = 0;
    int scrollY_ = 0;
    bool busy_ = false;
};

// The surface for a level: 32 pixels per cell and a one-cell margin around the level. Pixel
// positions on it are 16-bit numbers (Murphy's screen position, the scroll position, the
// sprite positions of the field), so nothing beyond 1024 cells from the corner can be drawn:
// wider or taller levels get a surface of that reach only, which keeps a level one row of
// 32000 cells from asking for a surface of 400 MB.
inline constexpr int kMaxSurfaceCells = 1024 + 2;
QSize ScrollBufferSize(int fieldWidth, int fieldHeight);

// Number of steps of a glide: the duration's share of steps per second, at most one step per
// pixel of the longer axis, at least one.
int SoftScrollSteps(int dx, int dy, int32_t timeMs, int16_t stepsPerSecond);

// 0x00BBGGRR as a Qt colour value.
uint32_t BgrToRgb(uint32_t bgr);

}  // namespace tsn
