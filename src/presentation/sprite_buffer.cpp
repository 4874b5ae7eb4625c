#include "presentation/sprite_buffer.h"

#include <algorithm>
#include <cstring>

namespace tsn {

bool SpriteBuffer::CreateFromFile(const QString& path, int columns, int rows) {
    QImage img;
    if (!img.load(path)) {
        sheet_ = QImage();
        return false;
    }
    return CreateFromImage(img, columns, rows);
}

bool SpriteBuffer::CreateFromImage(const QImage& sheet, int columns, int rows) {
    sheet_ = QImage();
    if (sheet.isNull() || columns <= 0 || rows <= 0) return false;
    sheet_ = sheet.convertToFormat(QImage::Format_RGB32);
    columns_ = columns;
    rows_ = rows;
    cellW_ = sheet_.width() / columns;
    cellH_ = sheet_.height() / rows;
    return true;
}

void SpriteBuffer::BltEx(int x, int y, int sprite) {
    if (ctx_.Off()) return;
    const int s = sprite & 0xFFFF;
    BltCell(x, y, s % columns_ + 1, s / columns_ + 1);
}

void SpriteBuffer::BltCell(int x, int y, int column, int row) {
    if (dest_ == nullptr || dest_->isNull() || sheet_.isNull()) return;
    if (row > rows_) return;  // past the sheet: nothing to copy
    int dx = DestXOff + x, dy = DestYOff + y;
    int sx = (column - 1) * cellW_, sy = (row - 1) * cellH_;
    int w = cellW_, h = cellH_;
    // Clip to the destination.
    if (dx < 0) { sx -= dx; w += dx; dx = 0; }
    if (dy < 0) { sy -= dy; h += dy; dy = 0; }
    w = std::min(w, dest_->width() - dx);
    h = std::min(h, dest_->height() - dy);
    if (w <= 0 || h <= 0) return;
    for (int r = 0; r < h; ++r) {
        const auto* src = reinterpret_cast<const uint32_t*>(sheet_.constScanLine(sy + r)) + sx;
        auto* dst = reinterpret_cast<uint32_t*>(dest_->scanLine(dy + r)) + dx;
        std::memcpy(dst, src, static_cast<size_t>(w) * sizeof(uint32_t));
    }
}

}  // namespace tsn
