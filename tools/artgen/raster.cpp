#include "raster.h"

#include <cmath>
#include <cstdint>

namespace tsn::art {

double SinTurns(double turns) {
    // Reduce to [-0.5, 0.5) turns, then to [-0.25, 0.25] by symmetry.
    double t = turns - double(int64_t(turns));
    if (t < -0.5) t += 1.0;
    if (t >= 0.5) t -= 1.0;
    if (t > 0.25) t = 0.5 - t;
    if (t < -0.25) t = -0.5 - t;
    const double x = t * 2.0 * kPi;
    const double x2 = x * x;
    // Taylor series to x^13: error below 1e-9 on [-pi/2, pi/2].
    double term = x, sum = x;
    for (int n = 1; n <= 6; ++n) {
        term = -term * x2 / double((2 * n) * (2 * n + 1));
        sum += term;
    }
    return sum;
}

double Clamp01(double v) {
    return v < 0 ? 0 : (v > 1 ? 1 : v);
}

double Hash01(int x, int y, int seed) {
    uint32_t h =
        uint32_t(x) * 0x8DA6B343u ^ uint32_t(y) * 0xD8163841u ^ uint32_t(seed) * 0xCB1AB31Fu;
    h ^= h >> 13;
    h *= 0x5BD1E995u;
    h ^= h >> 15;
    return double(h & 0xFFFFFF) / 16777216.0;
}

double Bayer(int x, int y) {
    static const int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5) / 16.0;
}

Rgb Ramp::shade(double v, int px, int py) const {
    const double pos = Clamp01(v) * double(steps.size() - 1);
    int i = int(pos);
    const double frac = pos - double(i);
    // Dither only near the middle between two steps, so flat areas stay calm.
    if (frac > 0.5 + (Bayer(px, py) - 0.5) * 0.55) ++i;
    return (*this)[i];
}

Rgb Ramp::operator[](int i) const {
    const int n = int(steps.size());
    if (i < 0) i += n;
    if (i < 0) i = 0;
    if (i >= n) i = n - 1;
    return steps[size_t(i)];
}

double SphereLight(double dx, double dy, double r) {
    const double nx = dx / r, ny = dy / r;
    const double d2 = nx * nx + ny * ny;
    const double nz = d2 < 1 ? std::sqrt(1 - d2) : 0;
    // Light direction (-0.45, -0.55, 0.70), roughly unit length.
    const double lambert = -0.45 * nx - 0.55 * ny + 0.70 * nz;
    return Clamp01(0.18 + 0.82 * lambert);
}

int Render(Image& img, const Placement& at, const Painter& paint, Rgb outline) {
    std::vector<uint8_t> mask(size_t(img.width) * size_t(img.height), 0);
    const double c = CosTurns(at.turns), s = SinTurns(at.turns);
    int painted = 0;
    for (int py = 0; py < img.height; ++py)
        for (int px = 0; px < img.width; ++px) {
            const double dx = px + 0.5 - at.cx, dy = py + 0.5 - at.cy;
            // Undo a clockwise screen rotation (y grows downwards).
            const double u = (dx * c + dy * s) / at.scale;
            const double v = (-dx * s + dy * c) / at.scale;
            Rgb col = 0;
            if (paint(Sample{u, v, dx, dy, px, py}, col)) {
                img.set(px, py, col);
                mask[size_t(py) * size_t(img.width) + size_t(px)] = 1;
                ++painted;
            }
        }
    if (outline != kNoOutline) {
        auto in = [&](int x, int y) {
            return img.contains(x, y) && mask[size_t(y) * size_t(img.width) + size_t(x)] != 0;
        };
        for (int py = 0; py < img.height; ++py)
            for (int px = 0; px < img.width; ++px)
                if (!in(px, py) &&
                    (in(px - 1, py) || in(px + 1, py) || in(px, py - 1) || in(px, py + 1)))
                    img.set(px, py, outline);
    }
    return painted;
}

void FillCircle(Image& img, double cx, double cy, double r, Rgb c) {
    FillEllipse(img, cx, cy, r, r, c);
}

void FillEllipse(Image& img, double cx, double cy, double rx, double ry, Rgb c) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x) {
            const double dx = (x + 0.5 - cx) / rx, dy = (y + 0.5 - cy) / ry;
            if (dx * dx + dy * dy <= 1.0) img.set(x, y, c);
        }
}

bool InPolygon(const std::vector<double>& xy, double x, double y) {
    bool inside = false;
    const size_t n = xy.size() / 2;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const double xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
}

void FillPolygon(Image& img, const std::vector<double>& xy, Rgb c) {
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            if (InPolygon(xy, x + 0.5, y + 0.5)) img.set(x, y, c);
}

void DrawLine(Image& img, int x0, int y0, int x1, int y1, Rgb c) {
    const int dx = x1 > x0 ? x1 - x0 : x0 - x1, sx = x0 < x1 ? 1 : -1;
    const int dy = y1 > y0 ? y0 - y1 : y1 - y0, sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    for (;;) {
        img.set(x0, y0, c);
        if (x0 == x1 && y0 == y1) break;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x0 += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y0 += sy;
        }
    }
}

void Bevel(Image& img, int x, int y, int w, int h, Rgb light, Rgb face, Rgb dark) {
    img.fillRect(x, y, w, h, face);
    img.fillRect(x, y, w, 1, light);
    img.fillRect(x, y, 1, h, light);
    img.fillRect(x, y + h - 1, w, 1, dark);
    img.fillRect(x + w - 1, y, 1, h, dark);
}

std::vector<uint8_t> ClearKeyColour(Image& img, Rgb key) {
    std::vector<uint8_t> alpha(img.pixels.size(), 0);
    for (size_t i = 0; i < img.pixels.size(); ++i) {
        const bool clear = img.pixels[i] == key;
        alpha[i] = clear ? 0 : 255;
        if (clear) img.pixels[i] = 0;
    }
    return alpha;
}

}  // namespace tsn::art
