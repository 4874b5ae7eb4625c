#pragma once
// The sprite sheet: 16 x 16 cells, copied one cell at a time into the scroll buffer. Every
// sprite replaces the whole square beneath it (no transparency).
#include <QImage>
#include <QString>

#include "presentation/display_context.h"

namespace tsn {

class SpriteBuffer {
public:
    explicit SpriteBuffer(const DisplayContext& ctx) : ctx_(ctx) {}

    // Loads the sheet; false (and no sheet) when the file is missing or not a bitmap.
    bool CreateFromFile(const QString& path, int columns, int rows);
    bool CreateFromImage(const QImage& sheet, int columns, int rows);
    bool Valid() const { return !sheet_.isNull(); }

    void SetDestination(QImage* surface) { dest_ = surface; }

    // Draws sprite n (column n mod 16, row n div 16) at field pixel (x, y) plus the offsets.
    void BltEx(int x, int y, int sprite);

    int DestXOff = 0;
    int DestYOff = 0;
    int CellWidth() const { return cellW_; }
    int CellHeight() const { return cellH_; }
    int Width() const { return cellW_ * columns_; }
    int Height() const { return cellH_ * rows_; }
    const QImage& Surface() const { return sheet_; }

private:
    void BltCell(int x, int y, int column, int row);

    const DisplayContext& ctx_;
    QImage sheet_;
    QImage* dest_ = nullptr;
    int columns_ = 16;
    int rows_ = 16;
    int cellW_ = 0;
    int cellH_ = 0;
};

}  // namespace tsn
