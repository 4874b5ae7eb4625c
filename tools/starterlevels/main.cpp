// Writes a starter level set (60 x 24 levels laid end to end) to the path given.
//   tessarin-starterlevels OUT.DAT
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "files/level_info.h"

namespace {

constexpr int W = 60, H = 24;
using Field = std::vector<uint8_t>;

enum : uint8_t {
    Space = 0, Zonk = 1, Base = 2, Murphy = 3, Infotron = 4, Ram = 5, Hardware = 6, Exit = 7,
    Orange = 8, PortRight = 9, Snik = 17, Yellow = 18, Terminal = 19, RedDisk = 20, Electron = 24,
    Bug = 25,
};

Field Frame() {
    Field f(W * H, Space);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (x == 0 || y == 0 || x == W - 1 || y == H - 1) f[y * W + x] = Hardware;
    return f;
}

void Put(Field& f, int x, int y, uint8_t code) { f[y * W + x] = code; }

// Bases with Infotrons in a regular grid, Zonks scattered over them, RAM pillars and an open
// corridor across the middle.
Field FirstSteps() {
    Field f = Frame();
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) {
            uint8_t c = Base;
            if (x % 8 == 4 && y % 5 == 2) c = Infotron;
            else if ((x * 7 + y * 3) % 23 == 0 && y > 2) c = Zonk;
            else if (x % 12 == 6 && y % 6 != 0 && y > 3) c = Ram;
            if (y == 11) c = Space;
            Put(f, x, y, c);
        }
    Put(f, 2, 2, Murphy);
    Put(f, 3, 2, Space);
    Put(f, W - 3, H - 3, Exit);
    return f;
}

// Corridors between RAM walls with Snik Snaks and Electrons patrolling them.
Field Corridors() {
    Field f = Frame();
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) {
            uint8_t c = Space;
            if (y % 4 == 0 && x % 14 != 7) c = Ram;
            else if (y % 4 == 2 && x % 9 == 3) c = Infotron;
            else if (y % 4 == 3 && x % 5 == 1) c = Base;
            Put(f, x, y, c);
        }
    for (int k = 0; k < 5; ++k) {
        Put(f, 10 + k * 9, 5 + (k % 4) * 4 - 4 + 4, k % 2 == 0 ? Snik : Electron);
    }
    Put(f, 2, 1, Murphy);
    Put(f, W - 2, H - 2, Exit);
    Put(f, 30, 10, Terminal);
    Put(f, 31, 10, Yellow);
    Put(f, 20, 14, RedDisk);
    Put(f, 40, 18, Bug);
    return f;
}

// A falling garden: Zonks and Infotrons above open ground, orange disks and a port.
Field Garden() {
    Field f = Frame();
    for (int y = 1; y < H - 1; ++y)
        for (int x = 1; x < W - 1; ++x) {
            uint8_t c = Base;
            if (y < 6 && (x + y) % 3 == 0) c = Zonk;
            else if (y < 6 && (x + y) % 3 == 1) c = Infotron;
            else if (y == 8 && x % 10 == 5) c = Orange;
            else if (y > 15 && x % 7 == 0) c = Hardware;
            Put(f, x, y, c);
        }
    Put(f, 5, 12, Murphy);
    Put(f, 20, 12, PortRight);
    Put(f, 19, 12, Space);
    Put(f, 21, 12, Space);
    Put(f, W - 3, 12, Exit);
    return f;
}

void Write(std::ofstream& out, const Field& f, const std::string& title, int infotrons,
           int gravity) {
    tsn::LevelInfo info;
    info.bytes[tsn::LevelInfo::kSaveMarkOffset] = tsn::LevelInfo::kSaveMarkPlain;
    info.setTitle(title);
    info.setInfotronsNeeded(static_cast<uint8_t>(infotrons));
    info.setGravity(static_cast<uint8_t>(gravity));
    out.write(reinterpret_cast<const char*>(f.data()), static_cast<std::streamsize>(f.size()));
    out.write(reinterpret_cast<const char*>(info.bytes.data()), tsn::kLevelInfoSize);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessarin-starterlevels OUT.DAT\n");
        return 2;
    }
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    if (!out) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    Write(out, FirstSteps(), "----- FIRST STEPS -----", 12, 0);
    Write(out, Corridors(), "------ CORRIDORS ------", 10, 0);
    Write(out, Garden(), "---- FALLING GARDEN ---", 20, 0);
    return out ? 0 : 1;
}
