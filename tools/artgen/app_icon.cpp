// The program's icon: Murphy on a dark rounded tile with an Infotron at his side.
#include "artgen.h"
#include "palette.h"
#include "raster.h"
#include "sprites.h"

namespace tsn::art {

namespace {

constexpr Rgb kKey = 0xFF00FF;  // painted pictures start in this colour; it becomes clear

// A square with rounded corners filling the picture, lit from the upper left.
void PaintTile(Image& img, double unit) {
    const double half = img.width / 2.0, radius = 6 * unit, inner = half - radius;
    Render(
        img, Placement{half, half},
        [&](const Sample& q, Rgb& c) {
            const double ax = q.u < 0 ? -q.u : q.u, ay = q.v < 0 ? -q.v : q.v;
            const double ex = ax > inner ? ax - inner : 0, ey = ay > inner ? ay - inner : 0;
            if (ex * ex + ey * ey > radius * radius) return false;
            const double light = 0.55 - 0.25 * (q.u + q.v) / (2 * half);
            c = pal::Steel.shade(light * 0.6, q.px, q.py);
            return true;
        },
        pal::kInk);
}

}  // namespace

const std::vector<int>& AppIconSizes() {
    static const std::vector<int> sizes = {16, 24, 32, 48, 64, 128, 256};
    return sizes;
}

Image AppIcon(int size, std::vector<uint8_t>& alpha) {
    Image img(size, size, kKey);
    const double unit = size / 32.0;
    PaintTile(img, unit);
    PaintInfotron(img, 24.5 * unit, 24.5 * unit, 0.05, 0.42 * unit);
    PaintCheerfulMurphy(img, 14.5 * unit, 14.5 * unit, 0.9 * unit);
    alpha = ClearKeyColour(img, kKey);
    return img;
}

}  // namespace tsn::art
