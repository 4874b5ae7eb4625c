// Explosions: the 3 x 3 block, what each element caught in it becomes, the animation, chain
// reactions through timers, Electron explosions leaving Infotrons, and the laid red disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/elements.h"
#include "engine/game_state.h"
#include "recording_view.h"
#include "test_level.h"

namespace tsn {
namespace {

using test::CellAt;
using test::MakeLevel;

int TimerOf(const GameState& s, int cell) {
    return static_cast<int8_t>(s.LevelBytes[static_cast<size_t>(cell)]);
}

// An empty room 7 x 3 inside walls, Murphy walled in below it. Elements are written by hand.
struct Room {
    GameState s = MakeLevel({"#########", "#.......#", "#.......#", "#.......#", "#########",
                             "#M#######", "#########"});
    int at(int x, int y) const { return CellAt(s, x, y); }
    uint16_t& cell(int x, int y) { return s.PlayField16[at(x, y)]; }
};

TEST(Explosions, HardwareIsNeverTouched) {
    Room r;
    test::RecordingSound sound;
    r.s.sound = &sound;
    r.cell(2, 2) = 6;
    const auto before = test::Render(r.s);
    subExplodeAt(r.s, r.at(2, 2));
    EXPECT_EQ(test::Render(r.s), before);
    EXPECT_EQ(r.s.ExplosionInProgress, 0);
    EXPECT_TRUE(sound.played.empty());

    subExplodeAt(r.s, r.at(1, 1));  // next to the outer wall: the wall stays
    EXPECT_EQ(r.cell(0, 0), 6);
    EXPECT_EQ(r.cell(1, 0), 6);
    EXPECT_EQ(r.cell(0, 1), 6);
    EXPECT_EQ(r.cell(1, 1), 0x001F);
    EXPECT_EQ(sound.count(Sample::Explosion), 1);
    r.s.sound = nullptr;
}

TEST(Explosions, WhatTheBlockMakesOfEachElement) {
    Room r;
    r.cell(2, 1) = 8;       // orange disk
    r.cell(3, 1) = 0x0211;  // Snik Snak
    r.cell(4, 1) = 18;      // yellow disk
    r.cell(2, 2) = 0x0118;  // Electron
    r.cell(3, 2) = 1;       // the centre: a Zonk
    r.cell(4, 2) = 0x0103;  // Murphy, whatever he is doing
    r.cell(2, 3) = 2;       // base
    r.cell(3, 3) = 0x1FE5;  // anything else
    r.cell(4, 3) = 0x0419;  // bug
    subExplodeAt(r.s, r.at(3, 2));
    EXPECT_EQ(r.s.ExplosionInProgress, 1);
    EXPECT_EQ(r.s.MurphyKilled, 1);
    for (int y = 1; y <= 3; ++y)
        for (int x = 2; x <= 4; ++x)
            EXPECT_EQ(r.cell(x, y), x == 2 && y == 2 ? 0x801F : 0x001F) << x << "," << y;
    // Explosive elements explode again later; the centre never does.
    EXPECT_EQ(TimerOf(r.s, r.at(2, 1)), 13);
    EXPECT_EQ(TimerOf(r.s, r.at(3, 1)), 13);
    EXPECT_EQ(TimerOf(r.s, r.at(4, 1)), 13);
    EXPECT_EQ(TimerOf(r.s, r.at(4, 2)), 13);
    EXPECT_EQ(TimerOf(r.s, r.at(2, 2)), -13);
    EXPECT_EQ(TimerOf(r.s, r.at(3, 2)), 0);
    EXPECT_EQ(TimerOf(r.s, r.at(2, 3)), 0);
    EXPECT_EQ(TimerOf(r.s, r.at(4, 3)), 0);

    // An Electron at the centre makes an Electron explosion; explosive neighbours then get the
    // negative timer, so they too explode as Electrons.
    Room e;
    e.cell(3, 2) = 0x0018;
    e.cell(4, 2) = 0x0011;
    e.cell(2, 2) = 3;
    subExplodeAt(e.s, e.at(3, 2));
    EXPECT_EQ(e.cell(3, 2), 0x801F);
    EXPECT_EQ(e.cell(3, 1), 0x801F);
    EXPECT_EQ(TimerOf(e.s, e.at(4, 2)), -13);
    EXPECT_EQ(TimerOf(e.s, e.at(2, 2)), -13);
    EXPECT_EQ(e.s.MurphyKilled, 1);
}

TEST(Explosions, CaughtZonksAndInfotronsFreeWhatTheyHadReserved) {
    // A Zonk or Infotron at (4, 2) in the middle of a move, a marked neighbour, and a blast
    // centred so that it catches the element but not the marked cell.
    struct Case {
        int state, code, dx, dy;
        uint16_t marker;
        int blastX, blastY;
        bool freed;
    };
    const Case cases[] = {
        {0x12, 1, 0, -1, kLeaving, 4, 3, true},        // falling: the cell it came from
        {0x12, 4, 0, -1, kLeaving, 4, 3, true},
        {0x70, 1, 0, -1, kLeaving, 4, 3, true},        // landed on space
        {0x12, 1, 0, 1, kFallTarget, 4, 1, true},      // falling on: the cell below
        {0x12, 4, 0, 1, kFallTarget, 4, 1, true},
        {0x22, 1, 1, 0, kRollLeaving, 3, 2, true},     // rolled left: the cell it came from
        {0x22, 4, 1, 0, kRollLeaving, 3, 2, true},
        {0x22, 1, 0, 1, kLeaving, 3, 1, true},         // ... and below: a Zonk frees any value,
        {0x22, 4, 0, 1, kLeaving, 3, 1, false},        // an Infotron only kFallTarget
        {0x22, 4, 0, 1, kFallTarget, 3, 1, true},
        {0x32, 1, -1, 0, kRollLeaving, 5, 2, true},    // rolled right
        {0x32, 4, -1, 0, kRollLeaving, 5, 2, true},
        {0x32, 1, 0, 1, kLeaving, 5, 1, true},
        {0x32, 4, 0, 1, kLeaving, 5, 1, false},
        {0x32, 4, 0, 1, kFallTarget, 5, 1, true},
        {0x50, 1, -1, 0, kRollTarget, 5, 2, true},     // about to roll left: the cell reserved
        {0x50, 4, -1, 0, kRollTarget, 5, 2, true},
        {0x60, 1, 1, 0, kRollTarget, 3, 2, true},      // about to roll right
        {0x60, 4, 1, 0, kRollTarget, 3, 2, true},
    };
    for (const Case& c : cases) {
        Room r;
        r.cell(4, 2) = static_cast<uint16_t>(c.state << 8 | c.code);
        r.cell(4 + c.dx, 2 + c.dy) = c.marker;
        subExplodeAt(r.s, r.at(c.blastX, c.blastY));
        EXPECT_EQ(r.cell(4, 2), 0x001F);
        EXPECT_EQ(r.cell(4 + c.dx, 2 + c.dy), c.freed ? 0 : c.marker)
            << std::hex << "state 0x" << c.state << " code " << c.code;
    }

    // Cells that are themselves exploding are kept.
    Room k;
    k.cell(3, 2) = 0x5001;  // about to roll left into (2, 2)
    k.cell(2, 2) = 0x051F;
    subExplodeAt(k.s, k.at(4, 3));
    EXPECT_EQ(k.cell(2, 2), 0x051F);
}

TEST(Explosions, AnimateEveryFourthFrameAndEnd) {
    Room r;
    test::RecordingView view;
    r.s.view = &view;
    const int p = r.at(2, 2);
    r.s.PlayField16[p] = 0x001F;
    r.s.ExplosionInProgress = 1;
    std::vector<int> sprites;
    for (int f = 0; f < 40 && r.s.PlayField16[p] != 0; ++f) {
        view.drawn.clear();
        r.s.FrameCounter = f * kFixedOne;
        subExplosionFrame(r.s, p);
        if (f % 4 != 0) {
            EXPECT_TRUE(view.drawn.empty());
            continue;
        }
        ASSERT_EQ(view.drawn.size(), 1u);
        sprites.push_back(view.drawn[0].sprite);
        if (f < 28) {
            EXPECT_EQ(r.s.PlayField16[p], (f / 4 + 1) << 8 | 31);
        }
    }
    EXPECT_EQ(sprites, (std::vector<int>{103, 104, 105, 106, 107, 108, 109, 0}));
    EXPECT_EQ(r.s.PlayField16[p], 0);
    EXPECT_EQ(r.s.ExplosionInProgress, 0);

    // An Electron explosion shows 8 frames and then, without drawing, becomes an Infotron.
    sprites.clear();
    r.s.PlayField16[p] = 0x801F;
    r.s.ExplosionInProgress = 1;
    for (int step = 0; step < 9; ++step) {
        view.drawn.clear();
        r.s.FrameCounter = 4 * step * kFixedOne;
        subExplosionFrame(r.s, p);
        if (!view.drawn.empty()) sprites.push_back(view.drawn[0].sprite);
    }
    EXPECT_EQ(sprites, (std::vector<int>{112, 113, 114, 115, 116, 117, 118, 119}));
    EXPECT_EQ(r.s.PlayField16[p], 4);
    EXPECT_EQ(r.s.ExplosionInProgress, 0);
    r.s.view = nullptr;
}

// Runs whole frames; explosions do not depend on the run going on, so frames run on past its end.
void RunFrames(GameState& s, int frames) {
    for (int f = 0; f < frames; ++f) test::Step(s);
}

// The frame (counted from 1) in which each of the given cells first turns into an explosion.
std::vector<int> ExplosionFrames(GameState& s, const std::vector<int>& cells, int frames) {
    std::vector<int> when(cells.size(), 0);
    for (int f = 1; f <= frames; ++f) {
        test::Step(s);
        for (size_t i = 0; i < cells.size(); ++i)
            if (when[i] == 0 && (s.PlayField16[cells[i]] & 0xFF) == 31) when[i] = f;
    }
    return when;
}

// A corridor one cell high, so that nothing in it can fall or roll.
GameState Corridor() {
    return MakeLevel({"###########", "#.........#", "###########", "#M#########", "###########"});
}

TEST(ExplosionChains, OrangeDisksExplodeInTurn) {
    // A timer set during the timer pass is counted down in the same pass when its cell comes
    // later, so a chain running towards higher cells explodes every 12 frames and one running
    // towards lower cells every 13.
    GameState r = Corridor();
    for (int x = 2; x <= 4; ++x) r.PlayField16[CellAt(r, x, 1)] = 8;
    subExplodeAt(r, CellAt(r, 1, 1));                   // as if set off just before the first frame
    EXPECT_EQ(r.PlayField16[CellAt(r, 2, 1)], 0x001F);  // the first disk is destroyed at once
    const auto when = ExplosionFrames(
        r, {CellAt(r, 3, 1), CellAt(r, 4, 1), CellAt(r, 5, 1), CellAt(r, 6, 1)}, 80);
    EXPECT_EQ(when, (std::vector<int>{13, 25, 37, 0}));

    GameState l = Corridor();
    for (int x = 4; x <= 6; ++x) l.PlayField16[CellAt(l, x, 1)] = 8;
    subExplodeAt(l, CellAt(l, 7, 1));
    const auto back = ExplosionFrames(
        l, {CellAt(l, 5, 1), CellAt(l, 4, 1), CellAt(l, 3, 1), CellAt(l, 2, 1)}, 80);
    EXPECT_EQ(back, (std::vector<int>{13, 26, 39, 0}));

    // Every disk exploded once: no timer is left and the explosions burn out.
    for (int i = 0; i <= l.FieldUpper; ++i) EXPECT_EQ(l.LevelBytes[static_cast<size_t>(i)], 0);
    EXPECT_EQ(test::Render(l)[1], "#.........#");
}

TEST(ExplosionChains, ElectronsLeaveInfotrons) {
    GameState r = Corridor();
    auto cell = [&r](int x) -> uint16_t& { return r.PlayField16[CellAt(r, x, 1)]; };
    cell(3) = 0x0018;                  // an Electron...
    cell(4) = 0x0011;                  // ...beside a Snik Snak
    subExplodeAt(r, CellAt(r, 2, 1));  // a plain explosion catches the Electron
    EXPECT_EQ(cell(3), 0x801F);
    EXPECT_EQ(cell(4), 0x0011);  // out of reach
    // 13 frames later the Electron's cell explodes as an Electron, catching the Snik Snak,
    // which explodes as an Electron 12 frames after that (its cell comes later in the pass).
    const auto when = ExplosionFrames(r, {CellAt(r, 4, 1), CellAt(r, 5, 1), CellAt(r, 6, 1)}, 26);
    EXPECT_EQ(when, (std::vector<int>{13, 25, 0}));
    EXPECT_EQ(cell(5), 0x801F);
    RunFrames(r, 60);
    // Every cell an Electron explosion reached last holds an Infotron; the rest is empty.
    EXPECT_EQ(test::Render(r)[1], "#.IIII....#");
}

TEST(ExplosionChains, TimersExplodeWhateverTheCellHolds) {
    Room r;
    r.s.LevelBytes[static_cast<size_t>(r.at(2, 2))] = 1;
    r.s.LevelBytes[static_cast<size_t>(r.at(6, 2))] = static_cast<uint8_t>(-1);
    r.cell(6, 2) = 2;  // a negative timer turns even a base into an Electron first
    subTimedExplosions(r.s);
    EXPECT_EQ(r.cell(2, 2), 0x001F);
    EXPECT_EQ(r.cell(3, 3), 0x001F);
    EXPECT_EQ(r.cell(6, 2), 0x801F);
    EXPECT_EQ(r.cell(7, 1), 0x801F);
    EXPECT_EQ(r.s.LevelBytes[static_cast<size_t>(r.at(2, 2))], 0);
}

TEST(LaidRedDisk, ShowsUpAndExplodesOnThe38thCall) {
    Room r;
    const int p = r.at(3, 2);
    r.cell(3, 2) = 3;  // Murphy still stands on it
    r.s.RedDiskPos = static_cast<int16_t>(p);
    r.s.RedDiskState = 2;
    subLaidRedDiskFrame(r.s);
    EXPECT_EQ(r.cell(3, 2), 3);
    r.cell(3, 2) = 0;  // he has left
    for (int call = 2; call <= 37; ++call) {
        subLaidRedDiskFrame(r.s);
        ASSERT_EQ(r.cell(3, 2), 20) << call;
    }
    EXPECT_EQ(r.s.RedDiskState, 39);
    subLaidRedDiskFrame(r.s);
    EXPECT_EQ(r.cell(3, 2), 0x001F);
    EXPECT_EQ(r.s.RedDiskState, 0);
    subLaidRedDiskFrame(r.s);  // nothing more
    EXPECT_EQ(r.s.RedDiskState, 0);
}

}  // namespace
}  // namespace tsn
