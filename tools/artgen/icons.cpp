// The three marks of the level list: played, skipped and not yet played.
#include "artgen.h"
#include "palette.h"
#include "raster.h"

namespace tsn::art {
namespace {

constexpr Rgb kKey = 0xFF00FF;  // painted pictures start in this colour; it becomes transparent

void Disc(Image& img, const Ramp& ramp) {
    Render(
        img, Placement{16, 16},
        [&](const Sample& q, Rgb& c) {
            if (q.u * q.u + q.v * q.v > 14.0 * 14.0) return false;
            c = ramp.shade(SphereLight(q.dx, q.dy, 14) + 0.15, q.px, q.py);
            return true;
        },
        pal::kInk);
}

void ThickPolyline(Image& img, std::initializer_list<double> pts, double width, Rgb c) {
    const double* p = pts.begin();
    const size_t n = pts.size() / 2;
    for (int y = 0; y < img.height; ++y)
        for (int x = 0; x < img.width; ++x)
            for (size_t i = 0; i + 1 < n; ++i) {
                const double ax = p[2 * i], ay = p[2 * i + 1], bx = p[2 * i + 2], by = p[2 * i + 3];
                const double px = x + 0.5 - ax, py = y + 0.5 - ay, vx = bx - ax, vy = by - ay;
                double t = (px * vx + py * vy) / (vx * vx + vy * vy);
                t = Clamp01(t);
                const double ex = px - t * vx, ey = py - t * vy;
                if (ex * ex + ey * ey <= width * width / 4) {
                    img.set(x, y, c);
                    break;
                }
            }
}

Image Paint(LevelIcon which) {
    Image img(32, 32, kKey);
    switch (which) {
        case LevelIcon::Played:
            Disc(img, pal::Leaf);
            ThickPolyline(img, {8.5, 16.5, 13.5, 22, 23.5, 10}, 5.0, pal::kInk);
            ThickPolyline(img, {8.5, 16, 13.5, 21.5, 23.5, 9.5}, 3.2, pal::kWhite);
            break;
        case LevelIcon::Skipped:
            Disc(img, pal::Amber);
            for (double x0 : {8.0, 16.0}) {
                ThickPolyline(img, {x0, 9.5, x0 + 7, 16, x0, 22.5}, 4.6, pal::kInk);
                ThickPolyline(img, {x0, 9.5, x0 + 7, 16, x0, 22.5}, 2.8, pal::kWhite);
            }
            break;
        case LevelIcon::NotPlayed:
            Render(
                img, Placement{16, 16},
                [](const Sample& q, Rgb& c) {
                    const double r2 = q.u * q.u + q.v * q.v;
                    if (r2 > 13.5 * 13.5 || r2 < 9.5 * 9.5) return false;
                    c = pal::Stone.shade(SphereLight(q.dx, q.dy, 14) + 0.2, q.px, q.py);
                    return true;
                },
                pal::kInk);
            break;
    }
    return img;
}

}  // namespace

const char* IconFileName(LevelIcon which) {
    switch (which) {
        case LevelIcon::Played:
            return "Played32.ico";
        case LevelIcon::Skipped:
            return "Skipped32.ico";
        case LevelIcon::NotPlayed:
            return "NotPlayed32.ico";
    }
    return "";
}

Bytes BuildIcon(LevelIcon which) {
    std::vector<uint8_t> alpha;
    const Image img = IconPicture(which, alpha);
    return EncodeIco(img, alpha);
}

Image IconPicture(LevelIcon which, std::vector<uint8_t>& alpha) {
    Image img = Paint(which);
    alpha = ClearKeyColour(img, kKey);
    return img;
}

}  // namespace tsn::art
