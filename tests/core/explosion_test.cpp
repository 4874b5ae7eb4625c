// Explosions: the 3 x 3 block, what each element caught in it becomes, the animation, chain
// reactions through timers, Electron explosions leaving Infotrons, and the laid red disk.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "elements/elements.h"
#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

// An empty room 7 x 3 inside walls, Murphy walled in below it. Elements are written by hand.
const std::vector<std::string> kRoom = {"#########", "#.......#", "#.......#", "#.......#",
                                        "#########", "#M#######", "#########"};

const ElementProc kExplode = subExplodeAt;

// Every cell of the block (2..4, 1..3) after the blast, and the timers left behind: explosive
// elements explode again later (an Electron as an Electron), the centre never does.
std::vector<Check> Block(const uint16_t (&cells)[3][3], const int (&timers)[3][3]) {
    std::vector<Check> out = {Is(ExplosionInProgress, 1), Is(MurphyKilled, 1)};
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x) {
            out.push_back(CellIs(2 + x, 1 + y, cells[y][x]));
            out.push_back(TimerIs(2 + x, 1 + y, timers[y][x]));
        }
    return out;
}

TEST(Explosions, WhatTheBlockMakesOfEachElement) {
    const uint16_t plain[3][3] = {{0x1F, 0x1F, 0x1F}, {0x801F, 0x1F, 0x1F}, {0x1F, 0x1F, 0x1F}};
    const int timers[3][3] = {{13, 13, 13}, {-13, 0, 13}, {0, 0, 0}};
    const Scenario blasts[] = {
        Play("hardware is never touched", kRoom,
             Call(kExplode, 2, 2, 0,
                  {RowIs(1, "#.......#"), RowIs(2, "#.#.....#"), RowIs(3, "#.......#"),
                   Is(ExplosionInProgress, 0), Heard(Sample::Explosion, 0)},
                  {CellIs(2, 2, 6)})),
        Play("next to the outer wall", kRoom,
             Call(kExplode, 1, 1, 0,
                  {CellIs(0, 0, 6), CellIs(1, 0, 6), CellIs(0, 1, 6), CellIs(1, 1, 0x001F),
                   Heard(Sample::Explosion, 1)})),
        // Orange disk, Snik Snak, yellow disk / Electron, the centre Zonk, Murphy whatever he is
        // doing / base, anything else, bug.
        Play("every element", kRoom,
             Given({CellIs(2, 1, 8), CellIs(3, 1, 0x0211), CellIs(4, 1, 18), CellIs(2, 2, 0x0118),
                    CellIs(3, 2, 1), CellIs(4, 2, 0x0103), CellIs(2, 3, 2), CellIs(3, 3, 0x1FE5),
                    CellIs(4, 3, 0x0419)}),
             Call(kExplode, 3, 2, 0, Block(plain, timers))),
        // An Electron at the centre makes an Electron explosion; explosive neighbours then get the
        // negative timer, so they too explode as Electrons.
        Play("an Electron at the centre", kRoom,
             Given({CellIs(3, 2, 0x0018), CellIs(4, 2, 0x0011), CellIs(2, 2, 3)}),
             Call(kExplode, 3, 2, 0,
                  {CellIs(3, 2, 0x801F), CellIs(3, 1, 0x801F), TimerIs(4, 2, -13),
                   TimerIs(2, 2, -13), Is(MurphyKilled, 1)})),
        Play("cells already exploding are kept", kRoom,
             Given({CellIs(3, 2, 0x5001), CellIs(2, 2, 0x051F)}),
             Call(kExplode, 4, 3, 0, {CellIs(2, 2, 0x051F)})),
    };
    for (const Scenario& sc : blasts) RunScenario(sc);
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
        {0x12, 1, 0, -1, kLeaving, 4, 3, true},  // falling: the cell it came from
        {0x12, 4, 0, -1, kLeaving, 4, 3, true},
        {0x70, 1, 0, -1, kLeaving, 4, 3, true},    // landed on space
        {0x12, 1, 0, 1, kFallTarget, 4, 1, true},  // falling on: the cell below
        {0x12, 4, 0, 1, kFallTarget, 4, 1, true},
        {0x22, 1, 1, 0, kRollLeaving, 3, 2, true},  // rolled left: the cell it came from
        {0x22, 4, 1, 0, kRollLeaving, 3, 2, true},
        {0x22, 1, 0, 1, kLeaving, 3, 1, true},   // ... and below: a Zonk frees any value,
        {0x22, 4, 0, 1, kLeaving, 3, 1, false},  // an Infotron only kFallTarget
        {0x22, 4, 0, 1, kFallTarget, 3, 1, true},
        {0x32, 1, -1, 0, kRollLeaving, 5, 2, true},  // rolled right
        {0x32, 4, -1, 0, kRollLeaving, 5, 2, true},
        {0x32, 1, 0, 1, kLeaving, 5, 1, true},
        {0x32, 4, 0, 1, kLeaving, 5, 1, false},
        {0x32, 4, 0, 1, kFallTarget, 5, 1, true},
        {0x50, 1, -1, 0, kRollTarget, 5, 2, true},  // about to roll left: the cell reserved
        {0x50, 4, -1, 0, kRollTarget, 5, 2, true},
        {0x60, 1, 1, 0, kRollTarget, 3, 2, true},  // about to roll right
        {0x60, 4, 1, 0, kRollTarget, 3, 2, true},
    };
    for (const Case& c : cases) {
        const int x = 4 + c.dx, y = 2 + c.dy;
        RunScenario(Play(testing::PrintToString(c.state) + " code " + std::to_string(c.code), kRoom,
                         Given({CellIs(4, 2, c.state << 8 | c.code), CellIs(x, y, c.marker)}),
                         Call(kExplode, c.blastX, c.blastY, 0,
                              {CellIs(4, 2, 0x001F), CellIs(x, y, c.freed ? 0 : c.marker)})));
    }
}

TEST(Explosions, AnimateEveryFourthFrameAndEnd) {
    // A plain explosion shows 7 frames and clears; an Electron's shows 8 and then, without
    // drawing, becomes an Infotron.
    struct Case {
        uint16_t start;
        std::vector<int> sprites;
        uint16_t end;
    };
    const Case cases[] = {{0x001F, {103, 104, 105, 106, 107, 108, 109, 0}, 0},
                          {0x801F, {112, 113, 114, 115, 116, 117, 118, 119}, 4}};
    for (const Case& c : cases) {
        GameState s = MakeLevel(kRoom);
        RecordingView view;
        s.view = &view;
        const int p = CellAt(s, 2, 2);
        s.PlayField16[p] = c.start;
        s.ExplosionInProgress = 1;
        std::vector<int> sprites;
        for (int f = 0; f < 40; ++f) {
            view.drawn.clear();
            s.FrameCounter = f * kFixedOne;
            subExplosionFrame(s, p);
            ASSERT_EQ(view.drawn.size(), f % 4 == 0 && sprites.size() < c.sprites.size() ? 1u : 0u)
                << f;
            if (view.drawn.empty()) continue;
            sprites.push_back(view.drawn[0].sprite);
            if (f < 28) {
                EXPECT_EQ(s.PlayField16[p], (c.start & 0x8000) + ((f / 4 + 1) << 8 | 31)) << f;
            }
        }
        EXPECT_EQ(sprites, c.sprites);
        EXPECT_EQ(s.PlayField16[p], c.end);
        EXPECT_EQ(s.ExplosionInProgress, 0);
        s.view = nullptr;
    }
}

// A corridor one cell high, so that nothing in it can fall or roll: what is written into it,
// where it is set off before the first frame, and the frame (counted from 1) in which each
// watched column first turns into an explosion; then the corridor after `after` more frames.
struct Chain {
    const char* name;
    std::vector<Check> sets;
    int blastX;
    std::vector<Check> atOnce;
    std::vector<int> watch, when;
    int after;
    const char* end;
};

TEST(ExplosionChains, TimersRunFromCellToCell) {
    // A timer set during the timer pass is counted down in the same pass when its cell comes
    // later, so a chain running towards higher cells explodes every 12 frames and one running
    // towards lower cells every 13.
    const Chain chains[] = {
        {"orange disks rightwards",
         {CellIs(2, 1, 8), CellIs(3, 1, 8), CellIs(4, 1, 8)},
         1,
         {CellIs(2, 1, 0x001F)},
         {3, 4, 5, 6},
         {13, 25, 37, 0},
         0,
         "#.........#"},
        {"orange disks leftwards",
         {CellIs(4, 1, 8), CellIs(5, 1, 8), CellIs(6, 1, 8)},
         7,
         {CellIs(6, 1, 0x001F)},
         {5, 4, 3, 2},
         {13, 26, 39, 0},
         0,
         "#.........#"},
        // An Electron beside a Snik Snak: 13 frames later its cell explodes as an Electron,
        // catching the Snik Snak, which explodes as an Electron 12 frames after that. Every cell
        // an Electron explosion reached last holds an Infotron.
        {"Electrons leave Infotrons",
         {CellIs(3, 1, 0x0018), CellIs(4, 1, 0x0011)},
         2,
         {CellIs(3, 1, 0x801F), CellIs(4, 1, 0x0011)},
         {4, 5, 6},
         {13, 25, 0},
         60,
         "#.IIII....#"},
    };
    for (const Chain& c : chains) {
        SCOPED_TRACE(c.name);
        GameState s =
            MakeLevel({"###########", "#.........#", "###########", "#M#########", "###########"});
        Write(s, c.sets);
        subExplodeAt(s, CellAt(s, c.blastX, 1));
        ExpectAll(s, c.atOnce);
        std::vector<int> when(c.watch.size(), 0);
        for (int f = 1; f <= 80; ++f) {
            Step(s);  // explosions do not depend on the run going on: frames run on past its end
            for (size_t i = 0; i < c.watch.size(); ++i)
                if (when[i] == 0 && (s.PlayField16[CellAt(s, c.watch[i], 1)] & 0xFF) == 31)
                    when[i] = f;
        }
        EXPECT_EQ(when, c.when);
        for (int f = 0; f < c.after; ++f) Step(s);
        // Every element exploded once: no timer is left and the explosions have burnt out.
        EXPECT_EQ(Render(s)[1], c.end);
        for (int i = 0; i <= s.FieldUpper; ++i)
            EXPECT_EQ(s.LevelBytes[static_cast<size_t>(i)], 0) << i;
    }
}

TEST(ExplosionChains, TimersAndTheLaidRedDisk) {
    const ElementProc timed = [](GameState& s, int) { subTimedExplosions(s); };
    const ElementProc disk = [](GameState& s, int) { subLaidRedDiskFrame(s); };
    // A negative timer turns even a base into an Electron first.
    RunScenario(Play("timers explode whatever the cell holds", kRoom,
                     Call(timed, 0, 0, 0,
                          {CellIs(2, 2, 0x001F), CellIs(3, 3, 0x001F), CellIs(6, 2, 0x801F),
                           CellIs(7, 1, 0x801F), TimerIs(2, 2, 0)},
                          {TimerIs(2, 2, 1), TimerIs(6, 2, -1), CellIs(6, 2, 2)})));
    // The disk laid at (3,2) shows up once Murphy has left and explodes on the 38th call.
    Scenario laid =
        Play("laid red disk", kRoom, Given({CellIs(3, 2, 3), Is(RedDiskState, 2), RedDiskAt(3, 2)}),
             Call(disk, 0, 0, 0, {CellIs(3, 2, 3)}),
             Call(disk, 0, 0, 0, {CellIs(3, 2, 20)}, {CellIs(3, 2, 0)}));
    for (int call = 3; call <= 37; ++call) laid.add(Call(disk, 0, 0, 0, {CellIs(3, 2, 20)}));
    laid.stretches.back().then.push_back(Is(RedDiskState, 39));
    laid.add(Call(disk, 0, 0, 0, {CellIs(3, 2, 0x001F), Is(RedDiskState, 0)}));
    laid.add(Call(disk, 0, 0, 0, {Is(RedDiskState, 0)}));  // nothing more
    RunScenario(laid);
}

}  // namespace
}  // namespace tsn
