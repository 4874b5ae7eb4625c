// Murphy: a round, cheerful fellow with big eyes and two small feet.
#include <cmath>

#include "palette.h"
#include "sprites.h"

namespace tsn::art {
namespace {

enum class Mouth { Smile, Open, Grit, Flat, Oh };
enum class Eyes { Normal, Strain, Happy };

struct Pose {
    double cx = 16, cy = 15.5;  // body centre
    double rx = 11.5, ry = 11.5;
    double scale = 1;
    double lookX = 0, lookY = 0.15;  // pupils, -1 .. 1
    double faceX = 0, faceY = 0;     // the whole face slides toward where Murphy looks
    double lid = 0;                  // 0 open .. 1 closed
    Eyes eyes = Eyes::Normal;
    Mouth mouth = Mouth::Smile;
    double mouthOpen = 0;  // 0 .. 1 for Mouth::Open
    bool feet = true;
    double stride = 0;  // -1 .. 1, forward foot offset
    double footLift = 0;
};

void PaintFeet(Image& img, const Pose& p) {
    const double s = p.scale;
    const double fy = p.cy + p.ry * s - 1.2 * s;
    for (int side = -1; side <= 1; side += 2) {
        const double fx = p.cx + side * 5.0 * s + side * p.stride * 2.5 * s;
        const double lift = side < 0 ? p.footLift : -p.footLift;
        Render(
            img, Placement{fx, fy - (lift > 0 ? lift : 0), 0, s},
            [](const Sample& q, Rgb& c) {
                const double e = q.u * q.u / 12.25 + q.v * q.v / 5.0;
                if (e > 1) return false;
                c = q.v < -0.5 ? pal::Murphy[2] : pal::Murphy[1];
                return true;
            },
            pal::kInk);
    }
}

void PaintBody(Image& img, const Pose& p) {
    const double rx = p.rx, ry = p.ry;
    Render(
        img, Placement{p.cx, p.cy, 0, p.scale},
        [&](const Sample& q, Rgb& c) {
            const double nx = q.u / rx, ny = q.v / ry;
            if (nx * nx + ny * ny > 1) return false;
            double light = SphereLight(nx * 12, ny * 12, 12);
            // A soft rim of bounced light along the lower right edge.
            const double d = nx * nx + ny * ny;
            if (d > 0.72 && nx + ny > 0.7) light += 0.12;
            c = pal::Murphy.shade(light, q.px, q.py);
            return true;
        },
        pal::kInk);
}

void PaintEye(Image& img, const Pose& p, double ex, double ey, int side) {
    const double s = p.scale;
    const double erx = 2.6 * s, ery = 3.4 * s;
    if (p.eyes == Eyes::Strain || p.eyes == Eyes::Happy || p.lid >= 0.85) {
        // Shut: a short arc, bent up when happy, bent down when asleep, a chevron when straining.
        for (int i = -2; i <= 2; ++i) {
            const int ai = i < 0 ? -i : i;
            int dy = 0;
            if (p.eyes == Eyes::Happy)
                dy = ai == 2 ? 1 : (ai == 1 ? 0 : -1);
            else if (p.eyes == Eyes::Strain)
                dy = (i * side > 0 ? 1 : -1) * ai;
            else
                dy = ai == 2 ? -1 : 0;
            const int x = int(std::floor(ex + i * s * 0.9));
            const int y = int(std::floor(ey + 0.5 + dy * 0.6 * s));
            img.set(x, y, pal::kInk);
            if (s > 0.6) img.set(x, y + 1, pal::Murphy[1]);
        }
        return;
    }
    Render(
        img, Placement{ex, ey, 0, 1},
        [&](const Sample& q, Rgb& c) {
            const double nx = q.u / erx, ny = q.v / ery;
            if (nx * nx + ny * ny > 1) return false;
            // Lids come down from the top.
            if (ny < -1 + 2 * p.lid) {
                c = pal::Murphy[4];
                return true;
            }
            const double px = q.u - p.lookX * 1.1 * s, py = q.v - p.lookY * 1.5 * s;
            if (px * px / (1.3 * 1.3 * s * s) + py * py / (2.0 * 2.0 * s * s) <= 1) {
                c = pal::kInk;
                if (px < -0.2 * s && px > -1.3 * s && py < -0.4 * s && py > -1.6 * s) c = 0xC8D0E0;
                return true;
            }
            c = ny > 0.45 ? 0xC8CCD8 : pal::kWhite;
            return true;
        },
        pal::kInk);
    if (p.lid > 0.02 && p.lid < 0.98) {
        // The edge of the lid.
        const double ly = ey - ery + 2 * ery * p.lid;
        for (double x = ex - erx + 0.5; x < ex + erx; x += 1)
            img.set(int(std::floor(x)), int(std::floor(ly)), pal::kInk);
    }
}

void PaintMouth(Image& img, const Pose& p) {
    const double s = p.scale;
    const double mx = p.cx + p.faceX * s, my = p.cy + 5.0 * s + p.faceY * s;
    switch (p.mouth) {
        case Mouth::Smile: {
            // A wide grin: darker middle, corners turned up.
            static const int rise[9] = {-2, -1, 0, 0, 0, 0, 0, -1, -2};
            for (int i = -4; i <= 4; ++i) {
                const int x = int(std::floor(mx + i * s * 0.9));
                const int y = int(std::floor(my + rise[i + 4] * s * 0.8));
                img.set(x, y, pal::Murphy[0]);
                if ((i < 0 ? -i : i) <= 2) img.set(x, y + 1, pal::Murphy[1]);
            }
            break;
        }
        case Mouth::Flat:
            for (int i = -2; i <= 2; ++i)
                img.set(int(std::floor(mx + i * s)), int(std::floor(my)), pal::Murphy[0]);
            break;
        case Mouth::Oh:
            FillEllipse(img, mx, my, 1.6 * s, 1.8 * s, pal::Murphy[0]);
            FillEllipse(img, mx, my + 0.4 * s, 0.8 * s, 0.9 * s, 0x7A1020);
            break;
        case Mouth::Open: {
            const double rx = (2.0 + 1.6 * p.mouthOpen) * s, ry = (0.7 + 3.0 * p.mouthOpen) * s;
            FillEllipse(img, mx, my, rx, ry, pal::Murphy[0]);
            if (ry > 1.6) FillEllipse(img, mx, my + ry * 0.45, rx * 0.6, ry * 0.45, 0xD04860);
            break;
        }
        case Mouth::Grit: {
            const int x0 = int(std::floor(mx - 3 * s)), y0 = int(std::floor(my - 1 * s));
            const int w = int(std::floor(6 * s + 1)), h = int(std::floor(2.5 * s + 0.5));
            img.fillRect(x0 - 1, y0 - 1, w + 2, h + 2, pal::Murphy[0]);
            img.fillRect(x0, y0, w, h, pal::kWhite);
            for (int x = x0 + 1; x < x0 + w; x += 2) img.fillRect(x, y0, 1, h, 0xA8B0C0);
            break;
        }
    }
}

void PaintMurphy(Image& img, const Pose& p) {
    if (p.feet) PaintFeet(img, p);
    PaintBody(img, p);
    const double s = p.scale;
    const double ey = p.cy - 3.0 * s + p.faceY * s;
    PaintEye(img, p, p.cx - 4.6 * s + p.faceX * s, ey, -1);
    PaintEye(img, p, p.cx + 4.6 * s + p.faceX * s, ey, 1);
    PaintMouth(img, p);
}

Image Draw(const Pose& p) {
    Image img(kCell, kCell, pal::kSpace);
    PaintMurphy(img, p);
    return img;
}

Pose WalkPose(bool left, int frame) {
    Pose p;
    const double ph = frame / 8.0;
    const double swing = SinTurns(ph);
    p.stride = (left ? -1 : 1) * swing;
    p.footLift = 1.2 * CosTurns(ph);
    const double bob = SinTurns(2 * ph);
    p.cy = 15.5 - 0.8 * (bob < 0 ? -bob : bob);
    p.rx = 11.5 + 0.4 * CosTurns(2 * ph);
    p.ry = 11.5 - 0.4 * CosTurns(2 * ph);
    p.lookX = left ? -1 : 1;
    p.faceX = left ? -2 : 2;
    p.lookY = 0;
    return p;
}

}  // namespace

Image MurphyAtRest() {
    return Draw(Pose{});
}

void PaintCheerfulMurphy(Image& img, double cx, double cy, double scale) {
    Pose p;
    p.scale = scale;
    p.cx = cx;
    p.cy = cy;
    p.mouth = Mouth::Open;  // drawn as shapes, so it stays whole at every size
    p.mouthOpen = 0.3;
    p.lookX = 0.5;
    p.lookY = -0.2;
    PaintMurphy(img, p);
}

Image MurphyWalk(bool left, int frame) {
    return Draw(WalkPose(left, frame));
}

Image MurphyYawn(int frame) {
    static const double open[12] = {0.1, 0.25, 0.45, 0.65, 0.85, 0.95,
                                    1,   0.9,  0.72, 0.5,  0.3,  0.12};
    Pose p;
    const double m = open[frame];
    p.mouth = Mouth::Open;
    p.mouthOpen = m;
    p.lid = 0.15 + 0.8 * m;
    p.ry = 11.5 + 0.8 * m;
    p.rx = 11.5 - 0.4 * m;
    p.cy = 15.5 - 0.6 * m;
    p.lookY = -0.3;
    return Draw(p);
}

Image MurphyLean(bool wallOnLeft, int frame) {
    Pose p;
    const double k = 1 + frame;
    const double dir = wallOnLeft ? -1 : 1;
    p.cx = 16 + dir * 1.3 * k;
    p.rx = 11.5 - 0.35 * k;
    p.ry = 11.5 + 0.25 * k;
    p.lid = 0.35 + 0.15 * k;
    p.lookX = -dir * 0.8;
    p.faceX = -dir * 1.0;
    p.mouth = Mouth::Flat;
    p.stride = dir * 0.4;
    return Draw(p);
}

Image MurphySnap(int dx, int dy) {
    Pose p;
    p.lookX = dx;
    p.lookY = dy;
    p.faceX = 2.2 * dx;
    p.faceY = 1.5 * dy;
    p.cx += 1.2 * dx;
    p.cy += 1.0 * dy;
    p.rx += dx != 0 ? 0.8 : -0.4;
    p.ry += dy != 0 ? 0.8 : -0.4;
    p.mouth = Mouth::Oh;
    return Draw(p);
}

Image MurphyExit(int frame) {
    Image img(kCell, kCell, pal::kSpace);
    static const double scales[7] = {0.82, 0.66, 0.5, 0.36, 0.24, 0.13, 0};
    const double s = scales[frame];
    if (s > 0) {
        Pose p;
        p.scale = s;
        p.eyes = Eyes::Happy;
        p.cy = 15.5 + (1 - s) * 4;
        PaintMurphy(img, p);
    }
    // Sparkles circle around him and fade.
    const double glow = frame < 5 ? 1.0 : 0.6;
    for (int i = 0; i < 4; ++i) {
        const double a = i / 4.0 + frame / 16.0;
        const double rad = 7 + frame * 1.3;
        const double size = (frame < 6 ? 2.5 : 1.5) * glow;
        PaintSparkle(img, 16 + rad * CosTurns(a), 18 + rad * SinTurns(a), size, pal::kWhite,
                     pal::Yellow[4]);
    }
    return img;
}

Image MurphyPush(int dx, int /*dy*/) {
    Pose p;
    p.eyes = Eyes::Strain;
    p.mouth = Mouth::Grit;
    if (dx != 0) {
        p.cx += 1.5 * dx;
        p.rx = 10.8;
        p.ry = 12.2;
        p.cy = 15;
        p.faceX = 2.0 * dx;
        p.stride = -0.8 * dx;
    } else {
        p.rx = 12.3;
        p.ry = 10.8;
        p.cy = 16.2;
        p.stride = 0.7;
    }
    Image img = Draw(p);
    // A drop of sweat on the far side.
    const double sx = dx != 0 ? 16 - 10.0 * dx : 26;
    FillEllipse(img, sx, 7, 1.2, 1.8, 0x9ED8FF);
    img.set(int(sx), 6, pal::kWhite);
    return img;
}

Image MurphyWithRedDisk() {
    Pose p;
    p.lookX = 0.8;
    p.lookY = 0.8;
    p.faceX = 0.8;
    p.mouth = Mouth::Oh;
    Image img = Draw(p);
    PaintFloppy(img, pal::Crimson, 22, 21, 0.42);
    return img;
}

Image MurphyEatInfotron(bool left, int frame) {
    Image img(2 * kCell, kCell, pal::kSpace);
    const double shrink = 1.0 - (frame + 1) / 8.0;
    const double ix = left ? 16 : 48;
    if (shrink > 0.05)
        PaintInfotron(img, ix + (left ? 1 : -1) * (1 - shrink) * 4, 16, frame / 16.0, shrink);
    Pose p = WalkPose(left, frame);
    p.cx = (left ? 48 : 16) + (left ? -1 : 1) * 4.0 * (frame + 1);
    p.mouth = Mouth::Open;
    p.mouthOpen = frame < 6 ? 0.4 + 0.1 * frame : 0.3;
    p.faceX = left ? -2.5 : 2.5;
    PaintMurphy(img, p);
    // Dust kicked up where he set off drifts and thins out in the cell he leaves. It has settled
    // by the last frame: that half is the last picture drawn into the cell he has left, and
    // nothing draws over it afterwards.
    if (frame == 7) return img;
    const double dir = left ? 1 : -1;
    const double startX = left ? 44 : 20;
    for (int i = 0; i < 2; ++i) {
        const double age = frame + 1.0 - i * 1.5;
        if (age <= 0) continue;
        const double cx = startX + dir * (9 + i * 5 + age * 0.6), cy = 27 - i * 3 - age * 0.5;
        const double r = 1.6 + age * 0.4;
        for (int y = int(cy - r) - 1; y <= int(cy + r) + 1; ++y)
            for (int x = int(cx - r) - 1; x <= int(cx + r) + 1; ++x) {
                const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
                if (dx * dx + dy * dy > r * r) continue;
                if (Hash01(x, y, 400 + frame) > 1.05 - age / 9.0) continue;
                img.set(x, y, dx + dy < -r * 0.5 ? pal::Stone[5] : pal::Stone[3]);
            }
    }
    return img;
}

}  // namespace tsn::art
