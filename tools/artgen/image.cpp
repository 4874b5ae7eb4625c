#include "image.h"

namespace tsn::art {

void Image::fillRect(int x, int y, int w, int h, Rgb c) {
    for (int j = y; j < y + h; ++j)
        for (int i = x; i < x + w; ++i) set(i, j, c);
}

void Image::blit(const Image& src, int x, int y) {
    blitPart(src, 0, 0, src.width, src.height, x, y);
}

void Image::blitPart(const Image& src, int sx, int sy, int w, int h, int x, int y) {
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i)
            if (src.contains(sx + i, sy + j)) set(x + i, y + j, src.at(sx + i, sy + j));
}

Image Image::scaled(int factor) const {
    Image out(width * factor, height * factor);
    for (int y = 0; y < out.height; ++y)
        for (int x = 0; x < out.width; ++x) out.set(x, y, at(x / factor, y / factor));
    return out;
}

Image Image::mirroredX() const {
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.set(width - 1 - x, y, at(x, y));
    return out;
}

Image Image::mirroredY() const {
    Image out(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) out.set(x, height - 1 - y, at(x, y));
    return out;
}

Image Image::rotatedQuarter(int quarters) const {
    Image out = *this;
    for (int q = 0; q < (quarters % 4 + 4) % 4; ++q) {
        Image r(out.height, out.width);
        for (int y = 0; y < out.height; ++y)
            for (int x = 0; x < out.width; ++x) r.set(out.height - 1 - y, x, out.at(x, y));
        out = r;
    }
    return out;
}

Rgb Mix(Rgb a, Rgb b, int t) {
    auto ch = [t](int x, int y) { return (x * (256 - t) + y * t + 128) >> 8; };
    return MakeRgb(ch(Red(a), Red(b)), ch(Green(a), Green(b)), ch(Blue(a), Blue(b)));
}

}  // namespace tsn::art
