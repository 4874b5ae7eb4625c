// Zonks, Infotrons and the three disks.
#include <cmath>

#include "palette.h"
#include "sprites.h"

namespace tsn::art {
namespace {

// Turns (u, v) by quarter turns until it lies in the quadrant u >= 0, v < 0, so a pattern
// defined there repeats every quarter turn (the rolling pictures rely on it).
void Canonical(double& u, double& v) {
    for (int i = 0; i < 4 && !(u >= 0 && v < 0); ++i) {
        const double t = u;
        u = -v;
        v = t;
    }
}

}  // namespace

void PaintZonk(Image& img, double cx, double cy, double turns, double scale) {
    Render(
        img, Placement{cx, cy, turns, scale},
        [](const Sample& q, Rgb& c) {
            const double r2 = q.u * q.u + q.v * q.v;
            const double r4 = r2 * r2;
            // A rounded boulder: slightly square, corners softened.
            const double cos4 =
                r4 > 0
                    ? (q.u * q.u * q.u * q.u - 6 * q.u * q.u * q.v * q.v + q.v * q.v * q.v * q.v) /
                          r4
                    : 0;
            const double edge = 12.3 + 0.55 * cos4;
            if (r2 > edge * edge) return false;
            double light = SphereLight(q.dx, q.dy, 12.5);
            double u = q.u, v = q.v;
            Canonical(u, v);
            // One dent per quadrant, and a short crack.
            const double du = u - 5.0, dv = v + 3.2;
            const double d2 = du * du + dv * dv;
            if (d2 < 5.2) light = light * 0.55 + (d2 > 2.2 && du + dv > 0.8 ? 0.18 : 0);
            const double cu = u - 2.2, cv = v + 8.0;
            if (cu > -2.2 && cu < 2.4 && (cv - cu * 0.55) * (cv - cu * 0.55) < 0.3) light *= 0.6;
            const double grain =
                Hash01(int(std::floor(u * 0.9 + 40)), int(std::floor(v * 0.9 + 40)), 7);
            light += (grain - 0.5) * 0.12;
            c = pal::Stone.shade(light, q.px, q.py);
            return true;
        },
        pal::kInk);
}

void PaintInfotron(Image& img, double cx, double cy, double turns, double scale) {
    Render(
        img, Placement{cx, cy, turns, scale},
        [](const Sample& q, Rgb& c) {
            const double r2 = q.u * q.u + q.v * q.v;
            if (r2 > 11.6 * 11.6) return false;
            const double rho = std::sqrt(r2);
            const double light =
                SphereLight(q.dx, q.dy, 11.6 * (q.u * q.u + q.v * q.v > 0 ? 1 : 1));
            if (rho > 10.2) {  // gold rim
                c = pal::Gold.shade(light * 0.9, q.px, q.py);
                return true;
            }
            if (rho < 2.6) {  // bright core
                c = rho < 1.4 ? pal::kWhite : pal::Gold[4];
                return true;
            }
            // Eight swirling blades in two colours; the swirl twists with the radius.
            const double tw = 0.06 * rho / 10.0;
            const double cs = CosTurns(tw), sn = SinTurns(tw);
            const double u = q.u * cs - q.v * sn, v = q.u * sn + q.v * cs;
            const int quadrant = (u >= 0 ? 0 : 1) + (v >= 0 ? 0 : 2);
            const bool steep = (u < 0 ? -u : u) < (v < 0 ? -v : v);
            const int sector =
                quadrant * 2 + (steep ? 1 : 0) + (quadrant == 1 || quadrant == 2 ? 1 : 0);
            const double au = u < 0 ? -u : u, av = v < 0 ? -v : v;
            if ((au - av) * (au - av) < 0.5 || au < 0.55 || av < 0.55) {
                c = pal::Violet[0];
                return true;
            }
            const Ramp& ramp = (sector % 2 == 0) ? pal::Magenta : pal::Violet;
            c = ramp.shade(light + 0.1, q.px, q.py);
            return true;
        },
        pal::kInk);
}

void PaintFloppy(Image& img, const Ramp& body, double cx, double cy, double scale) {
    Render(
        img, Placement{cx, cy, 0, scale},
        [&](const Sample& q, Rgb& c) {
            const double u = q.u, v = q.v;
            if (u < -12 || u > 12 || v < -12 || v > 12) return false;
            if (u + (-v) > 19.5) return false;  // cut corner, top right
            if (u < -11 || v < -11) {
                c = body[-1];
                return true;
            }
            if (u > 11 || v > 11 || u + (-v) > 18.5) {
                c = body[1];
                return true;
            }
            // Metal shutter with its window.
            if (u > -6 && u < 6 && v < -3) {
                if (u > 1.5 && u < 4 && v > -10 && v < -5) {
                    c = pal::Silver[0];
                } else {
                    c = pal::Silver.shade(0.75 - (v + 12) * 0.03 - (u + 6) * 0.01, q.px, q.py);
                }
                return true;
            }
            // Label with two ruled lines.
            if (u > -8.5 && u < 8.5 && v > 1 && v < 11) {
                const bool line = (v > 4 && v < 5) || (v > 7 && v < 8);
                c = line && u > -7 && u < 7 ? 0xA8A09A : 0xF2ECE0;
                return true;
            }
            c = body.shade(0.72 - (u + v) * 0.012, q.px, q.py);
            return true;
        },
        pal::kInk);
}

void PaintSparkle(Image& img, double cx, double cy, double size, Rgb core, Rgb glow) {
    const int x = int(std::floor(cx)), y = int(std::floor(cy));
    const int arm = int(std::floor(size + 0.5));
    for (int i = 1; i <= arm; ++i) {
        const Rgb c = i == arm ? glow : core;
        img.set(x + i, y, c);
        img.set(x - i, y, c);
        img.set(x, y + i, c);
        img.set(x, y - i, c);
    }
    img.set(x, y, core);
    if (arm >= 2) {
        img.set(x + 1, y + 1, glow);
        img.set(x - 1, y - 1, glow);
        img.set(x + 1, y - 1, glow);
        img.set(x - 1, y + 1, glow);
    }
}

Image Zonk(int rollFrame) {
    Image img(kCell, kCell, pal::kSpace);
    // Rolling left turns the boulder anticlockwise; seven pictures between two rests.
    PaintZonk(img, 16, 16, rollFrame < 0 ? 0 : -(rollFrame + 1) / 32.0);
    return img;
}

Image Infotron(int rollFrame) {
    Image img(kCell, kCell, pal::kSpace);
    PaintInfotron(img, 16, 16, rollFrame < 0 ? 0 : -(rollFrame + 1) / 32.0);
    return img;
}

Image Floppy(const Ramp& body) {
    Image img(kCell, kCell, pal::kSpace);
    PaintFloppy(img, body, 16, 16);
    return img;
}

Image SnapInfotron(int frame) {
    Image img(kCell, kCell, pal::kSpace);
    const double s = 1.0 - (frame + 1) / 7.0;
    PaintInfotron(img, 16, 16, frame / 12.0, s);
    for (int i = 0; i < 4; ++i) {
        const double a = i / 4.0 + 0.125 + frame / 24.0;
        const double r = 6 + frame * 1.8;
        PaintSparkle(img, 16 + r * CosTurns(a), 16 + r * SinTurns(a), frame < 4 ? 2 : 1,
                     pal::kWhite, pal::Magenta[4]);
    }
    return img;
}

Image SnapRedDisk(int frame) {
    Image img(kCell, kCell, pal::kSpace);
    const double s = 1.0 - (frame + 1) / 8.0;
    PaintFloppy(img, pal::Crimson, 16, 16 + (1 - s) * 6, s);
    if (frame > 1)
        for (int i = 0; i < 3; ++i)
            PaintSparkle(img, 8 + i * 8, 8 + Hash01(i, frame, 3) * 6 + frame, 1, pal::Crimson[5],
                         pal::Crimson[3]);
    return img;
}

}  // namespace tsn::art
