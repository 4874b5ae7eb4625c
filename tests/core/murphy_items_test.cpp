// Red disks, terminals, ports and special ports as Murphy uses them.
#include <gtest/gtest.h>

#include "murphy_fixture.h"

namespace tsn {
namespace {

using namespace test;

TEST(MurphyRedDisk, EatingToTheRightTakesNineFrames) {
    for (bool bug : {false, true}) {
        GameState s = MakeLevel({
            "#####",
            "#MD.#",
            "#####",
        });
        s.Rules.AllowEatRightRedDiskBug = bug;
        const int x0 = s.MurphyScreenXPos;
        Steps(s, 8, kRight);
        EXPECT_EQ(At(s, 2, 1), 0x1F03);
        EXPECT_EQ(s.RedDiskCount, 0);
        Step(s, kRight);
        EXPECT_EQ(At(s, 2, 1), 3);
        EXPECT_EQ(At(s, 1, 1), 0);
        EXPECT_EQ(s.RedDiskCount, 1);
        EXPECT_EQ(s.StepCount, 1);
        // Without the old drawing fault he ends exactly one cell further.
        EXPECT_EQ(s.MurphyScreenXPos, x0 + (bug ? 36 : 32));
        // The red-disk label is cleared 70 frames after the pick-up, counting its own frame.
        EXPECT_EQ(s.RedDiskShowCount, 69);
        Steps(s, 69, kNone);
        EXPECT_EQ(s.RedDiskShowCount, 0);
    }
}

TEST(MurphyRedDisk, EatingUpDownAndSnapping) {
    GameState s = MakeLevel({
        "#####",
        "#.D.#",
        "#DMD#",
        "#.D.#",
        "#####",
    });
    // From above and below he stays in his cell until the disk is eaten.
    Step(s, kUp);
    EXPECT_EQ(MurphyState(s), 28);
    EXPECT_EQ(At(s, 2, 1), kMurphyTrail);
    Steps(s, 7, kUp);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));
    Steps(s, 8, kDown);
    Steps(s, 8, kDown);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 3));
    Steps(s, 8, kUp);
    // Snapping leaves him in place.
    Step(s, kSnapLeft);
    EXPECT_EQ(At(s, 1, 2), 0x0314);
    Steps(s, 7, kNone);
    EXPECT_EQ(At(s, 1, 2), 0);
    Steps(s, 8, kSnapRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 2));
    EXPECT_EQ(s.RedDiskCount, 4);
    EXPECT_EQ(s.StepCount, 4 + 2);  // four disks and two walks back
}

// Murphy at (2,1) carrying one red disk, after a frame without input.
GameState CarryingOneDisk(bool cheat = false) {
    GameState s = MakeLevel({
        "######",
        "#MD..#",
        "######",
    });
    s.Rules.AllowRedDiskCheat = cheat;
    Steps(s, 9, kRight);
    Step(s, kNone);
    return s;
}

TEST(MurphyRedDisk, LayingNeedsSpaceHeldSixtyFourFrames) {
    GameState s = CarryingOneDisk();
    const int p = s.MurphyPos;
    Step(s, kSpace);
    EXPECT_EQ(MurphyState(s), 42);
    EXPECT_EQ(s.RedDiskState, 1);
    EXPECT_EQ(s.RedDiskPos, p);
    Steps(s, 63, kSpace);
    EXPECT_EQ(MurphyState(s), 42);
    EXPECT_EQ(s.RedDiskCount, 1);
    EXPECT_EQ(s.StepCount, 2);  // the end of the wait sounds like a push
    Step(s, kSpace);
    EXPECT_EQ(s.PlayField16[p], 3);
    EXPECT_EQ(s.RedDiskCount, 0);
    EXPECT_EQ(s.RedDiskState, 3);  // laid, and the main loop has counted once
    // The label still counts down from the pick-up: a change does not restart it.
    EXPECT_EQ(s.RedDiskShowCount, 70 - 67);  // 67 frames since the pick-up
    // He walks off; the disk shows up in the cell he left and blows up later.
    Steps(s, 8, kRight);
    EXPECT_EQ(s.PlayField16[p], 20);
    Steps(s, 40, kNone);
    EXPECT_EQ(s.RedDiskState, 0);
    EXPECT_NE(s.PlayField16[p], 20);
}

TEST(MurphyRedDisk, ReleasingSpaceCancelsLaying) {
    GameState s = CarryingOneDisk();
    Steps(s, 40, kSpace);
    Step(s, kNone);
    EXPECT_EQ(s.PlayField16[s.MurphyPos], 3);
    EXPECT_EQ(s.RedDiskState, 0);
    EXPECT_EQ(s.RedDiskCount, 1);
    Steps(s, 80, kNone);
    EXPECT_EQ(s.RedDiskCount, 1);
}

TEST(MurphyRedDisk, SpaceRightAfterADirectionDoesNothing) {
    GameState s = CarryingOneDisk();
    Step(s, kUp);  // blocked by the wall, but it was a key
    Steps(s, 80, kSpace);
    EXPECT_EQ(s.PlayField16[s.MurphyPos], 3);
    EXPECT_EQ(s.RedDiskState, 0);
    EXPECT_EQ(s.RedDiskCount, 1);
    // Without a disk space does nothing either.
    GameState t = MakeLevel({"#M.#"});
    Step(t, kNone);
    Steps(t, 70, kSpace);
    EXPECT_EQ(t.RedDiskState, 0);
}

TEST(MurphyRedDisk, TheLaidDiskPickedUpAgainCountsOnlyWithTheCheat) {
    for (bool cheat : {false, true}) {
        GameState s = CarryingOneDisk(cheat);
        const int p = s.MurphyPos;
        Steps(s, 64, kSpace);
        Step(s, kSpace);
        ASSERT_EQ(s.RedDiskCount, 0);
        Steps(s, 8, kRight);
        ASSERT_EQ(s.PlayField16[p], 20);
        const int steps = s.StepCount;
        Steps(s, 8, kLeft);
        EXPECT_EQ(s.MurphyPos, p);
        EXPECT_EQ(s.StepCount, steps + 1);
        EXPECT_EQ(s.RedDiskCount, cheat ? 1 : 0);
    }
}

TEST(MurphyTerminal, FirstUseBlowsUpYellowDisksSecondOnlyResetsIdling) {
    GameState s = MakeLevel({
        "##########",
        "#MT.....Y#",
        "#.......Y#",
        "#..Y.....#",
        "##########",
    });
    At(s, 3, 3) = 0x2012;  // a yellow disk that is not at rest is spared
    const int terminal = CellAt(s, 2, 1);
    Step(s, kRight);
    EXPECT_EQ(At(s, 1, 1), 3);
    EXPECT_EQ(s.TerminalsUsed, 1);
    EXPECT_EQ(s.TerminalBlinkMask, 7);
    // Set to 8 by Murphy; the terminal itself runs later in the same frame, its first wait is
    // already over, so it shows the next frame of the used terminal's blinking.
    EXPECT_EQ(s.TerminalBlinkTimer[static_cast<size_t>(terminal)], 9);
    EXPECT_EQ(At(s, 8, 1) & 0xFF, 31);
    EXPECT_EQ(At(s, 8, 2) & 0xFF, 31);  // caught by the first one's blast, blows up later
    // Its chain timer was set to 13 and the frame's countdown has already run once.
    EXPECT_EQ(s.LevelBytes[static_cast<size_t>(CellAt(s, 8, 2))], 12);
    EXPECT_EQ(At(s, 3, 3), 0x2012);
    EXPECT_EQ(s.StepCount, 1);

    Steps(s, 3, kNone);
    Step(s, kSnapRight);
    EXPECT_EQ(s.IdleCounter, 10);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(At(s, 1, 1), 3);
}

TEST(MurphyTerminal, UseWithoutYellowDisksCountsNoStep) {
    GameState s = MakeLevel({
        "####",
        "#M.#",
        "#T.#",
        "####",
    });
    Step(s, kSnapDown);
    EXPECT_EQ(s.TerminalsUsed, 1);
    EXPECT_EQ(s.StepCount, 0);
}

TEST(MurphyPort, PassesTwoCellsAndCountsAtTheStart) {
    GameState s = MakeLevel({
        "#######",
        "#M>.<.#",
        "#######",
    });
    const int x0 = s.MurphyScreenXPos;
    Step(s, kRight);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(MurphyState(s), 27);
    EXPECT_EQ(At(s, 3, 1), kMurphyTrail);
    Steps(s, 7, kNone);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 1));
    EXPECT_EQ(At(s, 1, 1), 0);
    EXPECT_EQ(At(s, 2, 1), 9);
    EXPECT_EQ(s.MurphyScreenXPos, x0 + 64);
    EXPECT_EQ(s.StepCount, 1);
    // A port that points the other way is closed.
    Steps(s, 10, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 1));
    EXPECT_EQ(s.StepCount, 1);
}

TEST(MurphyPort, FarSideMustBeFree) {
    GameState s = MakeLevel({
        "######",
        "#M*+.#",
        "######",
    });
    Steps(s, 10, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 1, 1));
    EXPECT_EQ(s.StepCount, 0);
}

TEST(MurphyPort, SpecialPortSetsGravityAndFreezing) {
    LevelOptions o;
    GameState probe = MakeLevel({"#M}.w#", "#....#", "######"});
    SpecialPortInfo right;
    right.position = static_cast<int16_t>(2 * probe.CellIndex(2, 0));
    right.gravity = 1;
    right.frozenZonks = 2;
    right.frozenEnemies = 1;
    SpecialPortInfo down;
    down.position = static_cast<int16_t>(2 * probe.CellIndex(4, 0));
    o.specialPorts = {down, right};
    GameState s = MakeLevel({"#M}.w#", "#....#", "######"}, o);
    ASSERT_EQ(At(s, 2, 0), 0x0109);
    Steps(s, 8, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 0));
    EXPECT_EQ(s.GravityOn, 1);
    EXPECT_EQ(s.ZonksFrozen, 2);
    EXPECT_EQ(s.EnemiesFrozen, 1);
    // A plain port in the same place changes nothing.
    GameState t = MakeLevel({"#M>.w#", "#....#", "######"}, o);
    Steps(t, 8, kRight);
    EXPECT_EQ(t.GravityOn, 0);
    EXPECT_EQ(t.ZonksFrozen, 0);
}

TEST(MurphyPort, SpecialPortCountBeyondTheTableIsHarmless) {
    LevelOptions o;
    GameState probe = MakeLevel({"#M}.#", "#####"});
    SpecialPortInfo entry;
    entry.position = static_cast<int16_t>(2 * probe.CellIndex(2, 0));
    entry.gravity = 1;
    o.specialPorts = {entry};
    GameState s = MakeLevel({"#M}.#", "#####"}, o);
    s.Info.bytes[LevelInfo::kSpecialPortCountOffset] = 255;
    Steps(s, 8, kRight);
    EXPECT_EQ(s.GravityOn, 1);
}

}  // namespace
}  // namespace tsn
