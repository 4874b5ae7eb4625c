#include "presentation/scroll_buffer.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "presentation/rounding.h"

namespace tsn {

uint32_t BgrToRgb(uint32_t bgr) {
    const uint32_t r = bgr & 0xFF, g = (bgr >> 8) & 0xFF, b = (bgr >> 16) & 0xFF;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

QSize ScrollBufferSize(int fieldWidth, int fieldHeight) {
    return QSize(std::clamp(fieldWidth + 2, 1, kMaxSurfaceCells) * 32,
                 std::clamp(fieldHeight + 2, 1, kMaxSurfaceCells) * 32);
}

bool ScrollBuffer::CreateAtSize(int width, int height) {
    surface_ = QImage();
    if (width <= 0 || height <= 0) return false;
    QImage img(width, height, QImage::Format_RGB32);
    if (img.isNull()) return false;
    surface_ = std::move(img);
    scrollX_ = 0;
    scrollY_ = 0;
    return true;
}

void ScrollBuffer::Cls(uint32_t bgr) {
    if (ctx_.Off() || surface_.isNull()) return;
    surface_.fill(BgrToRgb(bgr));
}

QRect ScrollBuffer::SourceRect(QSize pane) const {
    const double stretch = ctx_.Stretch > 0 ? ctx_.Stretch : 1.0;
    const int w = RoundTo32(pane.width() / stretch);
    const int h = RoundTo32(pane.height() / stretch);
    return QRect(DestXOff + scrollX_, DestYOff + scrollY_, w, h);
}

void ScrollBuffer::Blt() {
    if (ctx_.Off()) return;
    if (!surface_.isNull() && presenter) presenter();
}

void ScrollBuffer::SetPosition(int x, int y) {
    scrollX_ = x;
    scrollY_ = y;
    ctx_.ScrollX = static_cast<int16_t>(x);
    ctx_.ScrollY = static_cast<int16_t>(y);
}

void ScrollBuffer::ToBufferPixels(int16_t& x, int16_t& y) const {
    const double stretch = ctx_.Stretch > 0 ? ctx_.Stretch : 1.0;
    x = RoundTo16(x / stretch);
    y = RoundTo16(y / stretch);
}

void ScrollBuffer::ScrollTo(int16_t& x, int16_t& y) {
    if (ctx_.Off()) return;
    ToBufferPixels(x, y);
    SetPosition(x, y);
}

void ScrollBuffer::ScrollTowards(int16_t& x, int16_t& y, double step) {
    if (ctx_.Off()) return;
    ToBufferPixels(x, y);
    const double dx = x - scrollX_;
    const double dy = y - scrollY_;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance == 0) return;
    const double factor = distance <= step ? 1.0 : step / distance;
    SetPosition(RoundTo32(scrollX_ + dx * factor), RoundTo32(scrollY_ + dy * factor));
}

int SoftScrollSteps(int dx, int dy, int32_t timeMs, int16_t stepsPerSecond) {
    int steps = RoundTo32(timeMs / 1000.0 * stepsPerSecond);
    const int longest = std::max(std::abs(dx), std::abs(dy));
    if (steps > longest) steps = longest;
    if (steps == 0) steps = 1;
    return steps;
}

void ScrollBuffer::SoftScrollTo(int16_t& x, int16_t& y, int32_t timeMs, int16_t stepsPerSecond) {
    if (ctx_.Off() || busy_) return;
    busy_ = true;
    ToBufferPixels(x, y);
    const int startX = scrollX_, startY = scrollY_;
    const int dx = x - startX, dy = y - startY;
    const int steps = SoftScrollSteps(dx, dy, timeMs, stepsPerSecond);
    const int delay = stepsPerSecond > 0 ? RoundTo32(1000.0 / stepsPerSecond) : 0;
    bool aborted = false;
    const double inc = 1.0 / steps;
    for (double t = inc; t <= 1.0; t += inc) {
        if (ctx_.ScrollAbort) {
            aborted = true;
            break;
        }
        if (waiter) waiter(delay);
        SetPosition(RoundTo32(startX + t * dx), RoundTo32(startY + t * dy));
        Blt();
    }
    if (!aborted && !ctx_.ScrollAbort) {
        if (waiter) waiter(delay);
        SetPosition(x, y);
        Blt();
    }
    busy_ = false;
}

void ScrollBuffer::DrawGrid(uint32_t bgr, int fieldWidth, int fieldHeight, bool nonStandard) {
    if (ctx_.Off() || nonStandard || surface_.isNull()) return;
    QPainter p(&surface_);
    p.setPen(QColor::fromRgb(BgrToRgb(bgr)));
    const int right = (fieldWidth + 1) * 32, bottom = (fieldHeight + 1) * 32;
    for (int x = 32; x <= right; x += 32) p.drawLine(x, 32, x, bottom);
    for (int y = 32; y <= bottom; y += 32) p.drawLine(32, y, right, y);
    p.end();
    Blt();
}

void ScrollBuffer::DrawGrid2(uint32_t bgr, int column, int row, bool nonStandard) {
    if (ctx_.Off() || nonStandard || surface_.isNull()) return;
    QPainter p(&surface_);
    p.setPen(QColor::fromRgb(BgrToRgb(bgr)));
    // Right and bottom are exclusive: the outline lies on the grid lines of the cell.
    p.drawRect(32 * column + 32, 32 * row + 32, 32, 32);
    p.end();
    Blt();
}

}  // namespace tsn
