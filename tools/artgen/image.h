#pragma once
// A plain RGB picture held in memory, the common currency of the art generator.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace tsn::art {

using Rgb = uint32_t;  // 0xRRGGBB

struct Image {
    int width = 0;
    int height = 0;
    std::vector<Rgb> pixels;

    Image() = default;
    Image(int w, int h, Rgb fill = 0) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    Rgb at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    void set(int x, int y, Rgb c) {
        if (contains(x, y)) pixels[size_t(y) * size_t(width) + size_t(x)] = c;
    }
    void fillRect(int x, int y, int w, int h, Rgb c);
    // Copies `src` with its top-left corner at (x, y); parts outside are clipped.
    void blit(const Image& src, int x, int y);
    // Copies the rectangle (sx, sy, w, h) of `src` to (x, y).
    void blitPart(const Image& src, int sx, int sy, int w, int h, int x, int y);
    Image scaled(int factor) const;
    Image mirroredX() const;
    Image mirroredY() const;
    // Quarter turns clockwise (square pictures only).
    Image rotatedQuarter(int quarters) const;
};

inline Rgb MakeRgb(int r, int g, int b) {
    return (Rgb(r & 0xFF) << 16) | (Rgb(g & 0xFF) << 8) | Rgb(b & 0xFF);
}
inline int Red(Rgb c) {
    return int((c >> 16) & 0xFF);
}
inline int Green(Rgb c) {
    return int((c >> 8) & 0xFF);
}
inline int Blue(Rgb c) {
    return int(c & 0xFF);
}
// Integer mix of two colours, t in 0..256.
Rgb Mix(Rgb a, Rgb b, int t);

}  // namespace tsn::art
