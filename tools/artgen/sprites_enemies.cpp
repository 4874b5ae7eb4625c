// Snik Snaks, Electrons and the two kinds of explosion.
#include <cmath>

#include "palette.h"
#include "sprites.h"

namespace tsn::art {
namespace {

// A pair of shears with a red eye at the hinge, drawn facing up in object coordinates.
Image Shears(double turns, double jaw, double lunge) {
    Image img(kCell, kCell, pal::kSpace);
    const double cj = CosTurns(jaw), sj = SinTurns(jaw);
    Render(
        img, Placement{16, 16, turns},
        [&](const Sample& q, Rgb& c) {
            const double hu = q.u, hv = q.v - 3.5 + lunge;  // relative to the hinge
            // Handles: two rings behind the hinge.
            for (int side = -1; side <= 1; side += 2) {
                const double ru = hu - side * 4.6, rv = hv - 6.2;
                const double r2 = ru * ru + rv * rv;
                if (r2 <= 3.6 * 3.6 && r2 >= 1.5 * 1.5) {
                    c = pal::Crimson.shade(0.62 - (q.dx + q.dy) * 0.012, q.px, q.py);
                    return true;
                }
            }
            // Hinge with the eye.
            const double e2 = hu * hu + hv * hv;
            if (e2 <= 4.3 * 4.3) {
                const double eu = hu, ev = hv + 0.8;
                if (eu * eu + ev * ev <= 2.0 * 2.0) {
                    c = eu * eu + ev * ev <= 0.9 ? pal::kInk : pal::Yellow[5];
                    return true;
                }
                c = pal::Crimson.shade(SphereLight(q.dx - (16 - 16), q.dy, 6) + 0.15, q.px, q.py);
                return true;
            }
            // Two blades, each turned away from the middle by the jaw angle.
            for (int side = -1; side <= 1; side += 2) {
                const double bu = hu * cj + side * hv * sj;
                const double bv = -side * hu * sj + hv * cj;
                if (bv > 0 || bv < -14.5) continue;
                const double t = -bv / 14.5;  // 0 at the hinge, 1 at the tip
                const double half = 2.6 * (1 - t * t);
                const double mid = side * -0.6 * t;
                if (bu < mid - half || bu > mid + half) continue;
                const bool edge = side < 0 ? bu > mid + half - 0.9 : bu < mid - half + 0.9;
                c = edge ? pal::Silver[5]
                         : pal::Silver.shade(0.62 - (q.dx + q.dy) * 0.02, q.px, q.py);
                return true;
            }
            return false;
        },
        pal::kInk);
    return img;
}

}  // namespace

Image SnikSnakTurn(int facing) {
    return Shears(-facing / 8.0, 0.055, 0);
}

Image SnikSnakMove(int dir, int step) {
    static const double turns[4] = {0, -0.25, 0.5, 0.25};
    const double jaw = 0.02 + 0.07 * (0.5 - 0.5 * CosTurns(step / 4.0));
    return Shears(turns[dir], jaw, 0.6 * SinTurns(step / 4.0));
}

Image Electron(int frame) {
    Image img(kCell, kCell, pal::kSpace);
    Render(img, Placement{16, 16}, [&](const Sample& q, Rgb& c) {
        const double d2 = q.u * q.u + q.v * q.v;
        if (d2 > 10.5 * 10.5) return false;
        const double d = std::sqrt(d2) / 10.5;
        const double glow = (1 - d) * (1 - d) * 0.55;
        if (glow < Bayer(q.px, q.py) * 0.25) return false;
        c = pal::Electric.shade(glow, q.px, q.py);
        return true;
    });
    // Three orbits, each carrying a spark; the sparks go round once every eight pictures.
    for (int k = 0; k < 3; ++k) {
        const double tilt = k / 6.0 + 1.0 / 12.0;
        const double ct = CosTurns(tilt), st = SinTurns(tilt);
        for (int i = 0; i < 96; ++i) {
            const double a = i / 96.0;
            const double ox = 12.5 * CosTurns(a), oy = 4.2 * SinTurns(a);
            img.set(int(std::floor(16 + ox * ct - oy * st)),
                    int(std::floor(16 + ox * st + oy * ct)), pal::Electric[3]);
        }
        const double a = frame / 8.0 + k / 3.0;
        const double ox = 12.5 * CosTurns(a), oy = 4.2 * SinTurns(a);
        const double px = 16 + ox * ct - oy * st, py = 16 + ox * st + oy * ct;
        FillCircle(img, px, py, 2.3, pal::Electric[4]);
        FillCircle(img, px, py, 1.3, pal::kWhite);
    }
    const double core = 3.6 + 0.6 * SinTurns(frame / 4.0);
    FillCircle(img, 16, 16, core + 1, pal::Electric[4]);
    FillCircle(img, 16, 16, core, pal::Electric[5]);
    FillCircle(img, 15.5, 15.5, core * 0.5, pal::kWhite);
    return img;
}

Image Explosion(int frame) {
    static const double radius[7] = {7, 11, 14, 15.5, 15.5, 15, 14};
    static const double heat[7] = {1.0, 0.97, 0.88, 0.74, 0.58, 0.44, 0.3};
    Image img(kCell, kCell, pal::kSpace);
    const double r = radius[frame], h = heat[frame];
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
            const double n =
                Hash01(x / 3 + frame * 7, y / 3, 61) * 0.6 + Hash01(x, y, 62 + frame) * 0.4;
            const double d = std::sqrt(dx * dx + dy * dy) / r + (n - 0.5) * 0.5;
            if (d >= 1) continue;
            double t = h * (1.2 - d * d) + (n - 0.5) * 0.3;
            // Late in the blast the fire breaks into patches inside a cloud of smoke.
            static const double patchy[7] = {0, 0, 0, 0.2, 0.5, 0.72, 0.9};
            const bool smoke = frame >= 3 && (t < 0.3 || n < patchy[frame]);
            if (smoke) {
                if (Hash01(x, y, 70 + frame) < 0.2 + (frame - 3) * 0.17) continue;
                img.set(x, y, pal::Stone[n > 0.6 ? 3 : (n > 0.35 ? 2 : 1)]);
                continue;
            }
            if (frame >= 3) t += (n - patchy[frame]) * 0.8;
            img.set(x, y, pal::Fire.shade(t, x, y));
        }
    if (frame >= 2)  // flying embers
        for (int i = 0; i < 7; ++i) {
            const double a = Hash01(i, 1, 63);
            const double rr = 8 + frame * 2.0 + Hash01(i, 2, 63) * 3;
            const int ex = int(std::floor(16 + rr * CosTurns(a))),
                      ey = int(std::floor(16 + rr * SinTurns(a)));
            img.set(ex, ey, pal::Fire[frame < 5 ? 6 : 4]);
            if (frame < 5) img.set(ex + 1, ey, pal::Fire[4]);
        }
    return img;
}

Image ElectronExplosion(int frame) {
    Image img(kCell, kCell, pal::kSpace);
    static const double radius[8] = {8, 12, 15, 15.5, 15, 13, 11, 9};
    static const double heat[8] = {1.0, 0.95, 0.85, 0.7, 0.55, 0.42, 0.3, 0.2};
    const double r = radius[frame], h = heat[frame];
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
            const double n = Hash01(x / 2, y / 2, 81 + frame);
            const double d = std::sqrt(dx * dx + dy * dy) / r + (n - 0.5) * 0.35;
            if (d >= 1) continue;
            const double t = h * (1.1 - d);
            if (t < 0.12 && n < 0.5) continue;
            img.set(x, y, pal::Electric.shade(t, x, y));
        }
    // Crackling rays.
    for (int k = 0; k < 6; ++k) {
        const double a = k / 6.0 + frame / 20.0;
        const double len = r * (0.6 + Hash01(k, frame, 83) * 0.4);
        for (double s = 2; s < len; s += 1) {
            const double j = (Hash01(k, int(s), 84 + frame) - 0.5) * 1.4;
            img.set(int(std::floor(16 + s * CosTurns(a) - j * SinTurns(a))),
                    int(std::floor(16 + s * SinTurns(a) + j * CosTurns(a))), pal::kWhite);
        }
    }
    // The Infotron the Electron leaves behind takes shape at the end.
    if (frame >= 5) PaintInfotron(img, 16, 16, 0, (frame - 4) * 0.25);
    return img;
}

}  // namespace tsn::art
