#include <functional>
#include <map>

#include "artgen.h"
#include "palette.h"
#include "sprites.h"

namespace tsn::art {
namespace {

using Maker = std::function<Image()>;

std::map<int, Maker> SheetPlan() {
    std::map<int, Maker> m;
    auto one = [&m](int n, Maker f) { m[n] = std::move(f); };
    one(0, Space);
    one(1, [] { return Zonk(-1); });
    one(2, Base);
    one(3, MurphyAtRest);
    one(4, [] { return Infotron(-1); });
    one(5, [] { return Ram(0); });
    one(6, [] { return Hardware(0); });
    one(7, Exit);
    one(8, [] { return Floppy(pal::Orange); });
    for (int code : {9, 10, 11, 12, 13, 14, 15, 16, 21, 22, 23})
        one(code, [code] { return Port(code); });
    one(17, [] { return SnikSnakTurn(0); });
    one(18, [] { return Floppy(pal::Yellow); });
    one(19, [] { return Terminal(0, false); });
    one(20, [] { return Floppy(pal::Crimson); });
    one(24, [] { return Electron(0); });
    one(25, BugDormant);
    one(26, [] { return Ram(1); });
    one(27, [] { return Ram(2); });
    for (int v = 1; v <= 10; ++v) one(27 + v, [v] { return Hardware(v); });
    one(38, [] { return Ram(3); });
    one(39, [] { return Ram(4); });
    one(40, [] { return WallSpace(false); });
    one(41, [] { return WallSpace(true); });
    one(42, HardwareTrash);
    one(43, MurphyWithRedDisk);
    one(44, [] { return MurphyPush(1, 0); });
    one(45, [] { return MurphyPush(-1, 0); });
    one(46, [] { return MurphySnap(0, -1); });
    one(47, [] { return MurphySnap(0, 1); });
    for (int i = 0; i < 7; ++i) one(48 + i, [i] { return MurphyExit(i); });
    one(55, [] { return Frame(0); });
    for (int i = 0; i < 12; ++i) one(56 + i, [i] { return MurphyYawn(i); });
    for (int i = 0; i < 3; ++i) {
        one(68 + i, [i] { return MurphyLean(false, i); });
        one(71 + i, [i] { return MurphyLean(true, i); });
    }
    for (int i = 0; i < 5; ++i) one(74 + i, [i] { return BugSpark(i); });
    one(79, [] { return MurphyPush(0, 1); });
    for (int i = 0; i < 7; ++i) one(80 + i, [i] { return SnapBase(i); });
    const int snapInfotron[6] = {87, 88, 89, 91, 92, 93};
    for (int i = 0; i < 6; ++i) one(snapInfotron[i], [i] { return SnapInfotron(i); });
    one(94, [] { return MurphySnap(1, 0); });
    one(95, [] { return MurphySnap(-1, 0); });
    for (int i = 0; i < 7; ++i) {
        one(96 + i, [i] { return SnapRedDisk(i); });
        one(103 + i, [i] { return Explosion(i); });
    }
    one(110, [] { return Frame(1); });
    one(111, [] { return Frame(2); });
    for (int i = 0; i < 8; ++i) {
        one(112 + i, [i] { return ElectronExplosion(i); });
        // 121 faces up, then anticlockwise; 120 faces up-right.
        one(120 + i, [i] { return SnikSnakTurn((i + 7) % 8); });
        one(128 + i, [i] { return Terminal(i, false); });
        one(136 + i, [i] { return Terminal(i, true); });
        one(144 + i, [i] { return Electron(i); });
        one(160 + i, [i] { return SnikSnakMove(0, i); });
        one(168 + i, [i] { return SnikSnakMove(2, i); });
        one(176 + i, [i] { return MurphyWalk(true, i); });
        one(184 + i, [i] { return MurphyWalk(false, i); });
        one(240 + i, [i] { return SnikSnakMove(1, i); });
        one(248 + i, [i] { return SnikSnakMove(3, i); });
    }
    for (int i = 0; i < 7; ++i) {
        one(192 + i, [i] { return Zonk(i); });
        one(200 + i, [i] { return Infotron(i); });
    }
    // Eating an Infotron sideways: one 64 x 32 picture split over two cells.
    for (int i = 0; i < 8; ++i)
        for (int half = 0; half < 2; ++half) {
            one(208 + 2 * i + half, [i, half] {
                Image out(kCell, kCell);
                out.blitPart(MurphyEatInfotron(true, i), half * kCell, 0, kCell, kCell, 0, 0);
                return out;
            });
            one(224 + 2 * i + half, [i, half] {
                Image out(kCell, kCell);
                out.blitPart(MurphyEatInfotron(false, i), half * kCell, 0, kCell, kCell, 0, 0);
                return out;
            });
        }
    return m;
}

}  // namespace

const std::vector<int>& SpritesInUse() {
    static const std::vector<int> used = [] {
        std::vector<int> v;
        for (const auto& [n, maker] : SheetPlan()) v.push_back(n);
        return v;
    }();
    return used;
}

Image BuildSpriteSheet() {
    Image sheet(16 * kCell, 16 * kCell, pal::kSpace);
    for (const auto& [n, maker] : SheetPlan())
        sheet.blit(maker(), (n % 16) * kCell, (n / 16) * kCell);
    return sheet;
}

}  // namespace tsn::art
