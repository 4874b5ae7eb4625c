#pragma once
// A generated sprite sheet for tests: every 32 x 32 cell is filled with a colour that encodes
// its sprite number, so a drawn cell tells which sprite landed there.
#include <QImage>
#include <QString>

namespace tsn::test {


inline QImage MakeSheet() {
    QImage sheet(512, 512, QImage::Format_RGB32);
    for (int n = 0; n < 256; ++n)
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x)
                sheet.setPixel((n % 16) * 32 + x, (n / 16) * 32 + y, 0xFF000000u | static_cast<uint32_t>(n + 1));
    return sheet;
}

// The sprite drawn with its top-left corner at buffer pixel (x, y); -1 for anything else.
inline int SpriteAt(const QImage& img, int x, int y) {
    const uint32_t v = img.pixel(x, y) & 0xFFFFFFu;
    return v >= 1 && v <= 256 ? static_cast<int>(v) - 1 : -1;
}

}  // namespace tsn::test
