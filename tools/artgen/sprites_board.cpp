// The board: empty space, bases and bugs, RAM chips, hardware, the exit, ports and the frame.
#include <cmath>
#include <vector>

#include "font.h"
#include "palette.h"
#include "sprites.h"

namespace tsn::art {
namespace {

void Trace(Image& img, int ox, int oy, std::initializer_list<int> pts) {
    const int* p = pts.begin();
    const size_t n = pts.size() / 2;
    for (size_t i = 0; i + 1 < n; ++i) {
        DrawLine(img, ox + p[2 * i], oy + p[2 * i + 1] + 1, ox + p[2 * i + 2],
                 oy + p[2 * i + 3] + 1, pal::Leaf[0]);
    }
    for (size_t i = 0; i + 1 < n; ++i)
        DrawLine(img, ox + p[2 * i], oy + p[2 * i + 1], ox + p[2 * i + 2], oy + p[2 * i + 3],
                 pal::Leaf[4]);
}

void Pad(Image& img, int x, int y) {
    img.fillRect(x - 1, y - 1, 3, 3, pal::Gold[2]);
    img.set(x - 1, y - 1, pal::Gold[4]);
    img.set(x, y, pal::Gold[0]);
}

// A raised steel plate filling the whole cell, with four rivets.
void SteelPlate(Image& img, bool rivets = true) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            img.set(x, y, pal::Steel.shade(0.52 - (x + y - 31) * 0.006, x, y));
    img.fillRect(0, 0, kCell, 1, pal::Steel[5]);
    img.fillRect(0, 0, 1, kCell, pal::Steel[5]);
    img.fillRect(1, 1, kCell - 2, 1, pal::Steel[4]);
    img.fillRect(1, 1, 1, kCell - 2, pal::Steel[4]);
    img.fillRect(0, kCell - 1, kCell, 1, pal::Steel[0]);
    img.fillRect(kCell - 1, 0, 1, kCell, pal::Steel[0]);
    img.fillRect(1, kCell - 2, kCell - 2, 1, pal::Steel[1]);
    img.fillRect(kCell - 2, 1, 1, kCell - 2, pal::Steel[1]);
    if (rivets)
        for (int cy : {4, 26})
            for (int cx : {4, 26}) {
                img.fillRect(cx, cy, 2, 2, pal::Steel[4]);
                img.set(cx, cy, pal::Steel[6]);
                img.set(cx + 1, cy + 1, pal::Steel[1]);
            }
}

void ShadedDisc(Image& img, double cx, double cy, double r, const Ramp& ramp, double bias = 0) {
    Render(
        img, Placement{cx, cy},
        [&](const Sample& q, Rgb& c) {
            if (q.u * q.u + q.v * q.v > r * r) return false;
            c = ramp.shade(SphereLight(q.dx, q.dy, r) + bias, q.px, q.py);
            return true;
        },
        pal::kInk);
}

// Arrows from the centre, one per screen direction in `turns` (clockwise from pointing right),
// painted as one shape so that crossing arrows share one outline.
void Arrows(Image& img, std::initializer_list<double> turns, const Ramp& ramp, double length,
            double headLen) {
    std::vector<double> cs, sn;
    for (double t : turns) {
        cs.push_back(CosTurns(t));
        sn.push_back(SinTurns(t));
    }
    Render(
        img, Placement{16, 16},
        [&](const Sample& q, Rgb& c) {
            bool in = false;
            for (size_t i = 0; i < cs.size() && !in; ++i) {
                const double u = q.u * cs[i] + q.v * sn[i], v = -q.u * sn[i] + q.v * cs[i];
                const double av = v < 0 ? -v : v, head = length - headLen;
                in = (u > -2.6 && u < head && av < 2.6) ||
                     (u >= head && u <= length && av <= (length - u) * 0.9);
            }
            if (!in) return false;
            c = ramp.shade(0.8 - (q.dx + q.dy) * 0.025, q.px, q.py);
            return true;
        },
        pal::kInk);
}

}  // namespace

void PaintBaseTile(Image& img, int ox, int oy, int seed) {
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const double h = Hash01(x, y, seed);
            img.set(ox + x, oy + y,
                    h < 0.16 ? pal::Leaf[1] : (h > 0.93 ? pal::Leaf[3] : pal::Leaf[2]));
        }
    img.fillRect(ox, oy, kCell, 1, pal::Leaf[3]);
    img.fillRect(ox, oy, 1, kCell, pal::Leaf[3]);
    img.fillRect(ox, oy + kCell - 1, kCell, 1, pal::Leaf[0]);
    img.fillRect(ox + kCell - 1, oy, 1, kCell, pal::Leaf[0]);
    Trace(img, ox, oy, {4, 8, 13, 8, 18, 13, 27, 13});
    Trace(img, ox, oy, {8, 16, 8, 23, 12, 27});
    Trace(img, ox, oy, {15, 21, 26, 21});
    Trace(img, ox, oy, {22, 4, 22, 8});
    Pad(img, ox + 4, oy + 8);
    Pad(img, ox + 27, oy + 13);
    Pad(img, ox + 8, oy + 16);
    Pad(img, ox + 15, oy + 21);
    Pad(img, ox + 26, oy + 21);
    Pad(img, ox + 22, oy + 4);
}

Image Space() {
    return Image(kCell, kCell, pal::kSpace);
}

Image Base() {
    Image img(kCell, kCell);
    PaintBaseTile(img, 0, 0, 11);
    return img;
}

Image BugDormant() {
    Image img = Base();
    // A tiny beetle hides among the traces.
    FillEllipse(img, 21.5, 26.5, 2.2, 1.6, pal::Leaf[0]);
    img.set(19, 25, pal::Leaf[0]);
    img.set(24, 25, pal::Leaf[0]);
    img.set(19, 28, pal::Leaf[0]);
    img.set(24, 28, pal::Leaf[0]);
    img.set(21, 26, pal::Leaf[3]);
    return img;
}

Image BugSpark(int level) {
    Image img = BugDormant();
    FillCircle(img, 16, 16, 2.0 + level * 0.9, pal::Electric[4]);
    FillCircle(img, 16, 16, 1.0 + level * 0.5, pal::kWhite);
    const int bolts = 3 + level;
    for (int b = 0; b < bolts; ++b) {
        const double a = (b + Hash01(b, level, 5) * 0.5) / bolts;
        double x = 16, y = 16;
        const int len = 4 + level * 2 + int(Hash01(b, level, 9) * 3);
        for (int i = 0; i < len; ++i) {
            const double jitter = (Hash01(b * 31 + i, level, 13) - 0.5) * 1.6;
            const double nx = x + CosTurns(a) * 1.3 - SinTurns(a) * jitter;
            const double ny = y + SinTurns(a) * 1.3 + CosTurns(a) * jitter;
            const int ix = int(std::floor(nx)), iy = int(std::floor(ny));
            img.set(ix + 1, iy, pal::Electric[3]);
            img.set(ix, iy + 1, pal::Electric[3]);
            img.set(ix, iy, i < len - 1 ? pal::kWhite : pal::Electric[5]);
            x = nx;
            y = ny;
        }
    }
    return img;
}

Image SnapBase(int frame) {
    Image img = Base();
    const double gone = (frame + 1) / 8.0;
    const double margin = (frame + 1) * 1.75;
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const double dx = x + 0.5 - 16, dy = y + 0.5 - 16;
            const double edge = 16 - margin;
            const bool outside = (dx < 0 ? -dx : dx) > edge || (dy < 0 ? -dy : dy) > edge;
            if (outside || Hash01(x / 2, y / 2, 21) < gone * 0.7) img.set(x, y, pal::kSpace);
        }
    return img;
}

Image Ram(int part) {
    Image img(kCell, kCell, pal::kSpace);
    // Body rectangle and pin sides per part: whole chip, halves of a wide chip, halves of a tall
    // one.
    int bx = 5, by = 6, bw = 22, bh = 20;
    bool pinsVertical = false;  // pins on the top and bottom edges
    switch (part) {
        case 1:
            bx = 4, by = 7, bw = 28, bh = 18, pinsVertical = true;
            break;
        case 2:
            bx = 0, by = 7, bw = 28, bh = 18, pinsVertical = true;
            break;
        case 3:
            bx = 7, by = 4, bw = 18, bh = 28;
            break;
        case 4:
            bx = 7, by = 0, bw = 18, bh = 28;
            break;
        default:
            break;
    }
    // Pins first, the body covers their inner ends.
    if (pinsVertical) {
        for (int x = (part == 1 ? 8 : 2); x < 31; x += 5)
            for (int y : {3, 24}) {
                img.fillRect(x, y, 3, 5, pal::Silver[3]);
                img.fillRect(x, y, 1, 5, pal::Silver[5]);
                img.fillRect(x + 2, y, 1, 5, pal::Silver[1]);
            }
    } else {
        const int y0 = part == 3 ? 8 : (part == 4 ? 2 : 8);
        const int y1 = part == 3 ? 31 : (part == 4 ? 25 : 24);
        for (int y = y0; y < y1; y += 5)
            for (int x : {2, 24}) {
                if (part == 0 && x == 24) x = 23;
                img.fillRect(x, y, 7, 3, pal::Silver[3]);
                img.fillRect(x, y, 7, 1, pal::Silver[5]);
                img.fillRect(x, y + 2, 7, 1, pal::Silver[1]);
            }
    }
    for (int y = by; y < by + bh; ++y)
        for (int x = bx; x < bx + bw; ++x)
            img.set(x, y, pal::Chip.shade(0.5 - (y - by) * 0.012, x, y));
    // Bevel only on the chip's outer edges.
    const bool openLeft = part == 2, openRight = part == 1, openTop = part == 4,
               openBottom = part == 3;
    if (!openTop) img.fillRect(bx, by, bw, 1, pal::Chip[5]);
    if (!openLeft) img.fillRect(bx, by, 1, bh, pal::Chip[4]);
    if (!openBottom) img.fillRect(bx, by + bh - 1, bw, 1, pal::kInk);
    if (!openRight) img.fillRect(bx + bw - 1, by, 1, bh, pal::kInk);
    // Notch and pin-one dot on the first half; a gold label stripe runs across.
    if (part == 0 || part == 3) {
        FillCircle(img, 16, by, 2.6, pal::Chip[0]);
        img.set(bx + 3, by + 3, pal::Silver[4]);
    } else if (part == 1) {
        FillCircle(img, bx, 16, 2.6, pal::Chip[0]);
        img.set(bx + 3, by + 3, pal::Silver[4]);
    }
    if (part <= 2) {
        const int x0 = part == 2 ? 0 : bx + 6, x1 = part == 1 ? 32 : bx + bw - 5;
        img.fillRect(x0, 15, x1 - x0, 1, pal::Gold[2]);
        img.fillRect(x0, 18, (x1 - x0) * 2 / 3, 1, pal::Chip[4]);
    } else {
        const int y0 = part == 4 ? 0 : by + 7, y1 = part == 3 ? 32 : by + bh - 5;
        img.fillRect(15, y0, 1, y1 - y0, pal::Gold[2]);
        img.fillRect(18, y0, 1, (y1 - y0) * 2 / 3, pal::Chip[4]);
    }
    return img;
}

Image Hardware(int variant) {
    Image img(kCell, kCell);
    SteelPlate(img, variant != 7 && variant != 10);
    switch (variant) {
        case 1:  // hazard band
            for (int y = 11; y < 21; ++y)
                for (int x = 2; x < 30; ++x)
                    img.set(x, y, ((x + y) / 4) % 2 ? pal::Yellow[3] : pal::Chip[1]);
            img.fillRect(2, 10, 28, 1, pal::Steel[1]);
            img.fillRect(2, 21, 28, 1, pal::Steel[5]);
            break;
        case 2:  // vent grille
            for (int y = 8; y <= 24; y += 4) {
                img.fillRect(7, y, 18, 2, pal::kInk);
                img.fillRect(7, y + 2, 18, 1, pal::Steel[5]);
            }
            break;
        case 3:  // status lights
            img.fillRect(5, 12, 22, 9, pal::Steel[1]);
            img.fillRect(5, 21, 22, 1, pal::Steel[5]);
            ShadedDisc(img, 9.5, 16.5, 2.6, pal::Crimson, 0.2);
            ShadedDisc(img, 16.5, 16.5, 2.6, pal::Screen, 0.2);
            ShadedDisc(img, 23.5, 16.5, 2.6, pal::Amber, 0.2);
            break;
        case 4: {  // capacitor
            for (int y = 9; y < 26; ++y)
                for (int x = 10; x < 22; ++x) {
                    const double t = (x - 15.5) / 6.0;
                    img.set(x, y, pal::Electric.shade(0.62 - t * 0.45 - t * t * 0.3, x, y));
                }
            img.fillRect(10, 25, 12, 1, pal::kInk);
            img.fillRect(9, 9, 1, 17, pal::kInk);
            img.fillRect(22, 9, 1, 17, pal::kInk);
            FillEllipse(img, 16, 9, 6.5, 2.6, pal::kInk);
            FillEllipse(img, 16, 9, 5.5, 1.8, pal::Silver[3]);
            img.fillRect(13, 9, 7, 1, pal::Silver[1]);
            img.fillRect(18, 12, 2, 11, pal::Electric[5]);
            break;
        }
        case 5:  // resistors
            for (int row : {10, 21}) {
                img.fillRect(4, row, 24, 1, pal::Silver[4]);
                img.fillRect(4, row + 1, 24, 1, pal::Silver[1]);
                FillEllipse(img, 16, row + 0.5, 8, 3.2, pal::kInk);
                FillEllipse(img, 16, row + 0.5, 7, 2.4, 0xD8C090);
                img.fillRect(10, row - 2, 10, 1, 0xF0DCB0);
                const Rgb bands[4] = {0x7A4410, pal::Chip[0], pal::Crimson[3], pal::Gold[4]};
                for (int i = 0; i < 4; ++i) img.fillRect(11 + i * 3, row - 2, 2, 5, bands[i]);
            }
            break;
        case 6:  // a little chip
            for (int x = 10; x < 23; x += 3) {
                img.fillRect(x, 9, 2, 2, pal::Silver[4]);
                img.fillRect(x, 22, 2, 2, pal::Silver[4]);
            }
            img.fillRect(8, 11, 17, 11, pal::kInk);
            img.fillRect(9, 12, 15, 9, pal::Chip[3]);
            img.fillRect(9, 12, 15, 1, pal::Chip[5]);
            img.set(11, 14, pal::Silver[4]);
            break;
        case 7:  // one big screw
            ShadedDisc(img, 16, 16, 7.5, pal::Silver);
            DrawLine(img, 12, 12, 20, 20, pal::Silver[0]);
            DrawLine(img, 12, 20, 20, 12, pal::Silver[0]);
            DrawLine(img, 13, 12, 20, 19, pal::Silver[5]);
            break;
        case 8:  // fan
            FillCircle(img, 16, 16, 11, pal::kInk);
            FillCircle(img, 16, 16, 10, pal::Steel[0]);
            Render(img, Placement{16, 16, 0.05}, [](const Sample& q, Rgb& c) {
                const double r2 = q.u * q.u + q.v * q.v;
                if (r2 > 9.2 * 9.2 || r2 < 2.5 * 2.5) return false;
                const double w = q.u * q.v;
                if (!(w > 0 && (q.u < 0 ? -q.u : q.u) > 1 && (q.v < 0 ? -q.v : q.v) > 1))
                    return false;
                c = pal::Silver.shade(0.75 - (q.dx + q.dy) * 0.02, q.px, q.py);
                return true;
            });
            ShadedDisc(img, 16, 16, 2.8, pal::Steel, 0.2);
            break;
        case 9:  // connector
            img.fillRect(6, 10, 20, 12, pal::kInk);
            img.fillRect(7, 11, 18, 10, pal::Chip[2]);
            for (int x = 9; x < 24; x += 3)
                for (int y : {13, 18}) {
                    img.fillRect(x, y, 2, 2, pal::Gold[3]);
                    img.set(x, y, pal::Gold[5]);
                }
            break;
        case 10:  // braced panel
            for (int t = 0; t < 3; ++t) {
                DrawLine(img, 3 + t, 3, 28, 28 - t, pal::Steel[5 - t * 2 < 1 ? 1 : 5 - t * 2]);
                DrawLine(img, 28 - t, 3, 3, 28 - t, pal::Steel[5 - t * 2 < 1 ? 1 : 5 - t * 2]);
            }
            ShadedDisc(img, 16, 16, 3, pal::Steel, 0.15);
            break;
        default:
            break;
    }
    return img;
}

Image HardwareTrash() {
    Image img(kCell, kCell);
    SteelPlate(img);
    for (int y = 2; y < 30; ++y)
        for (int x = 2; x < 30; ++x) {
            const double h = Hash01(x / 3, y / 3, 42) + Hash01(x, y, 43) * 0.3;
            if (h > 1.0) img.set(x, y, h > 1.12 ? pal::Orange[1] : pal::Orange[0]);
        }
    DrawLine(img, 6, 9, 13, 15, pal::kInk);
    DrawLine(img, 13, 15, 12, 22, pal::kInk);
    DrawLine(img, 13, 15, 21, 18, pal::kInk);
    DrawLine(img, 7, 9, 14, 15, pal::Steel[5]);
    return img;
}

Image WallSpace(bool editorMark) {
    Image img(kCell, kCell, pal::kSpace);
    if (!editorMark) {
        for (int i = 0; i < kCell; i += 4) {
            img.set(i, 0, 0x161A22);
            img.set(0, i, 0x161A22);
        }
        return img;
    }
    for (int i = 0; i < kCell; ++i)
        if ((i / 3) % 2 == 0) {
            img.set(i, 0, 0x5A6478);
            img.set(0, i, 0x5A6478);
            img.set(i, kCell - 1, 0x5A6478);
            img.set(kCell - 1, i, 0x5A6478);
        }
    for (int y = 2; y < kCell - 2; ++y)
        for (int x = 2; x < kCell - 2; ++x)
            if ((x + y) % 6 == 0) img.set(x, y, 0x262C38);
    return img;
}

Image Exit() {
    Image img(kCell, kCell);
    SteelPlate(img, false);
    img.fillRect(4, 4, 24, 24, pal::kInk);
    img.fillRect(5, 5, 22, 22, 0x04140A);
    for (int i = 5; i < 27; ++i) {
        img.set(i, 5, pal::Screen[3]);
        img.set(i, 26, pal::Screen[2]);
        img.set(5, i, pal::Screen[3]);
        img.set(26, i, pal::Screen[2]);
    }
    DrawText(img, 9, 8, "EXIT", pal::Screen[5]);
    // A lit doorway with a glowing step.
    img.fillRect(11, 15, 10, 11, pal::Screen[2]);
    img.fillRect(12, 16, 8, 10, pal::Screen[4]);
    img.fillRect(13, 17, 6, 9, pal::Screen[5]);
    img.fillRect(14, 18, 4, 8, 0xE8FFE0);
    img.fillRect(9, 25, 14, 1, pal::Screen[4]);
    return img;
}

Image Port(int code) {
    Image img(kCell, kCell);
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x)
            img.set(x, y, pal::Steel.shade(0.22 - (x + y - 31) * 0.004, x, y));
    img.fillRect(0, 0, kCell, 1, pal::Steel[3]);
    img.fillRect(0, 0, 1, kCell, pal::Steel[3]);
    img.fillRect(0, kCell - 1, kCell, 1, pal::kInk);
    img.fillRect(kCell - 1, 0, 1, kCell, pal::kInk);
    const bool special = code >= 13 && code <= 16;
    const Ramp& ramp = special ? pal::Amber : pal::Cyan;
    // Screen turns, clockwise from pointing right.
    switch (code) {
        case 9:
        case 13:
            Arrows(img, {0.0}, ramp, 12, 8.5);
            break;
        case 10:
        case 14:
            Arrows(img, {0.25}, ramp, 12, 8.5);
            break;
        case 11:
        case 15:
            Arrows(img, {0.5}, ramp, 12, 8.5);
            break;
        case 12:
        case 16:
            Arrows(img, {0.75}, ramp, 12, 8.5);
            break;
        case 21:
            Arrows(img, {0.25, 0.75}, ramp, 12.5, 7.5);
            break;
        case 22:
            Arrows(img, {0.0, 0.5}, ramp, 12.5, 7.5);
            break;
        case 23:
            Arrows(img, {0.0, 0.25, 0.5, 0.75}, ramp, 12.5, 5.5);
            break;
        default:
            break;
    }
    if (special)  // warning lights in the corners
        for (int cy : {3, 27})
            for (int cx : {3, 27}) {
                img.fillRect(cx, cy, 2, 2, pal::Crimson[3]);
                img.set(cx, cy, pal::Crimson[5]);
            }
    return img;
}

Image Frame(int part) {
    Image img(kCell, kCell);
    if (part == 0) {
        for (int y = 0; y < kCell; ++y)
            for (int x = 0; x < kCell; ++x) {
                const int ex = x < 16 ? x : 31 - x, ey = y < 16 ? y : 31 - y;
                const int ring = ex < ey ? ex : ey;
                img.set(x, y, pal::Steel[ring < 2 ? 1 : (ring < 4 ? 4 : (ring < 6 ? 2 : 3))]);
            }
        ShadedDisc(img, 16, 16, 5.5, pal::Silver);
        DrawLine(img, 13, 16, 19, 16, pal::Silver[0]);
        DrawLine(img, 16, 13, 16, 19, pal::Silver[0]);
        return img;
    }
    // The vertical edge; the horizontal one is the same turned a quarter.
    for (int y = 0; y < kCell; ++y)
        for (int x = 0; x < kCell; ++x) {
            const int ex = x < 16 ? x : 31 - x;  // distance from the nearer side
            int shade = ex < 2 ? 1 : (ex < 5 ? 2 : (ex < 9 ? 3 : (ex < 13 ? 4 : 5)));
            if (y == 15 || y == 31) shade = shade > 1 ? shade - 2 : 0;
            if (y == 16 || y == 0) shade = shade < 5 ? shade + 1 : 6;
            img.set(x, y, pal::Steel[shade]);
        }
    img.fillRect(15, 6, 2, 4, pal::Steel[6]);
    img.fillRect(15, 22, 2, 4, pal::Steel[6]);
    return part == 1 ? img : img.rotatedQuarter(1);
}

Image Terminal(int frame, bool used) {
    Image img(kCell, kCell, pal::kSpace);
    // Monitor case.
    img.fillRect(3, 2, 26, 21, pal::kInk);
    Bevel(img, 4, 3, 24, 19, pal::Steel[6], pal::Steel[4], pal::Steel[2]);
    const Ramp& scr = used ? pal::Crimson : pal::Screen;
    img.fillRect(6, 5, 20, 14, pal::kInk);
    img.fillRect(7, 6, 18, 12, used ? 0x200404 : scr[0]);
    for (int row = 0; row < 4; ++row) {
        const int len = 3 + int(Hash01(row, frame, used ? 77 : 55) * 13);
        const int y = 7 + row * 3;
        for (int x = 0; x < len; ++x)
            if (Hash01(x, row * 8 + frame, 91) > 0.2)
                img.set(8 + x, y, scr[(row + frame) % 3 == 0 ? 5 : 4]);
    }
    if (frame % 2 == 0) img.fillRect(21, 15, 2, 2, scr[5]);  // blinking cursor
    if (used && frame % 2 == 1) {
        img.fillRect(7, 6, 18, 1, scr[3]);
        img.fillRect(7, 17, 18, 1, scr[3]);
    }
    img.set(25, 20, frame % 4 < 2 ? (used ? pal::Crimson[5] : pal::Screen[5]) : pal::Steel[1]);
    // Neck and keyboard.
    img.fillRect(13, 22, 6, 2, pal::Steel[1]);
    img.fillRect(2, 23, 28, 7, pal::kInk);
    Bevel(img, 3, 24, 26, 5, pal::Steel[5], pal::Steel[3], pal::Steel[1]);
    for (int x = 5; x < 27; x += 2) {
        img.set(x, 25, pal::Steel[6]);
        img.set(x + 1, 27, pal::Steel[6]);
    }
    return img;
}

}  // namespace tsn::art
