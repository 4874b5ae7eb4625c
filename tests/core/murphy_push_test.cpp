// Murphy pushing Zonks and disks: the wait with the key held, cancelling, and what is allowed.
#include <gtest/gtest.h>

#include "murphy_fixture.h"

namespace tsn {
namespace {

using namespace test;

// Zonks stay where they are unless Murphy moves them.
LevelOptions Frozen() {
    LevelOptions o;
    o.frozenZonks = 2;
    return o;
}

TEST(MurphyPush, ZonkMovesOnlyAfterEightFramesHeld) {
    GameState s = MakeLevel(
        {
            "#######",
            "#..ZM.#",
            "#######",
        },
        Frozen());
    Step(s, kLeft);
    EXPECT_EQ(MurphyState(s), 14);
    EXPECT_EQ(At(s, 2, 1), kPushTargetZonk);  // the far cell is reserved
    Steps(s, 6, kLeft);
    EXPECT_EQ(s.StepCount, 0);
    Step(s, kLeft);  // the eighth frame: push sound and step
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(At(s, 3, 1), 1);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 4, 1));
    // Then eight frames of movement, whatever the keys do.
    Steps(s, 7, kNone);
    EXPECT_EQ(At(s, 3, 1), 1);
    Step(s, kNone);
    EXPECT_EQ(At(s, 2, 1), 1);
    EXPECT_EQ(At(s, 3, 1), 3);
    EXPECT_EQ(At(s, 4, 1), 0);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 1));
    EXPECT_EQ(s.StepCount, 1);
}

TEST(MurphyPush, ReleasingEarlyPutsEverythingBack) {
    GameState s = MakeLevel(
        {
            "#######",
            "#..ZM.#",
            "#######",
        },
        Frozen());
    Steps(s, 6, kLeft);
    Step(s, kNone);  // released on the seventh frame
    EXPECT_EQ(At(s, 4, 1), 3);
    EXPECT_EQ(At(s, 3, 1), 1);
    EXPECT_EQ(At(s, 2, 1), 0);
    EXPECT_EQ(s.StepCount, 0);
    // Changing direction cancels as well.
    Steps(s, 3, kLeft);
    Step(s, kRight);
    EXPECT_EQ(At(s, 4, 1), 3);
    EXPECT_EQ(At(s, 2, 1), 0);
    Steps(s, 30, kNone);
    EXPECT_EQ(At(s, 3, 1), 1);
    EXPECT_EQ(s.StepCount, 0);
    // Released on the eighth frame the push sound (and its step) still comes, but nothing
    // moves.
    Steps(s, 7, kLeft);
    Step(s, kNone);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(At(s, 4, 1), 3);
    EXPECT_EQ(At(s, 3, 1), 1);
    EXPECT_EQ(At(s, 2, 1), 0);
}

TEST(MurphyPush, ZonkOverAHoleGoesLeftButNotRight) {
    const std::vector<std::string> map = {
        "########",
        "#.ZMZ..#",
        "###.#.##",
        "########",
    };
    GameState s = MakeLevel(map, Frozen());
    s.PlayField16[CellAt(s, 2, 2)] = 0;  // a hole under the left Zonk
    Steps(s, 16, kLeft);
    EXPECT_EQ(At(s, 1, 1), 1);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));

    GameState t = MakeLevel(map, Frozen());
    t.PlayField16[CellAt(t, 4, 2)] = 0;  // a hole under the right Zonk
    Step(t, kRight);
    EXPECT_EQ(At(t, 3, 1), 3);
    EXPECT_EQ(At(t, 5, 1), 0);
    // Standing on something it can be pushed.
    GameState u = MakeLevel(map, Frozen());
    Step(u, kRight);
    EXPECT_EQ(MurphyState(u), 15);
    EXPECT_EQ(At(u, 5, 1), kPushTargetZonk);
    Steps(u, 15, kRight);
    EXPECT_EQ(At(u, 5, 1), 1);
    EXPECT_EQ(u.MurphyPos, CellAt(u, 4, 1));
}

TEST(MurphyPush, NeedsAnEmptyCellBeyond) {
    GameState s = MakeLevel(
        {
            "#######",
            "#.+ZM.#",
            "#######",
        },
        Frozen());
    Steps(s, 20, kLeft);
    EXPECT_EQ(At(s, 4, 1), 3);
    EXPECT_EQ(At(s, 3, 1), 1);
    EXPECT_EQ(s.StepCount, 0);
}

TEST(MurphyPush, ZonkLandingOnAnEnemyCrushesIt) {
    for (uint16_t below : {uint16_t{0x0011}, uint16_t{kEnemyTrailLeft}}) {
        GameState s = MakeLevel(
            {
                "#######",
                "#..ZM.#",
                "##.####",
                "#######",
            },
            Frozen());
        s.EnemiesFrozen = 1;
        At(s, 2, 2) = below;
        Steps(s, 15, kLeft);
        EXPECT_EQ(At(s, 2, 2), below);
        Step(s, kLeft);
        EXPECT_EQ(At(s, 2, 2) & 0xFF, 31) << below;
    }
}

TEST(MurphyPush, OrangeDiskPushedRightOntoAHoleStartsToFall) {
    GameState s = MakeLevel({
        "#######",
        "#MO...#",
        "###.###",
        "#######",
    });
    Steps(s, 16, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));
    EXPECT_EQ(At(s, 3, 1) & 0xFF, 8);
    EXPECT_EQ((At(s, 3, 1) >> 8) & 0xF0, 0x20);
    EXPECT_EQ(At(s, 3, 2), kPushTargetOrange);
    EXPECT_EQ(s.StepCount, 1);
}

TEST(MurphyPush, OrangeDiskOverAHoleCannotBePushedRight) {
    GameState s = MakeLevel({
        "#######",
        "#MO...#",
        "##.####",
        "#######",
    });
    Step(s, kRight);
    EXPECT_EQ(At(s, 1, 1), 3);
    EXPECT_EQ(At(s, 3, 1), 0);
    // Pushed left it goes and stays at rest; falling is its own business.
    GameState t = MakeLevel({
        "#######",
        "#..OM.#",
        "##.####",
        "#######",
    });
    Steps(t, 16, kLeft);
    EXPECT_EQ(t.MurphyPos, CellAt(t, 3, 1));
    EXPECT_EQ(At(t, 2, 1) & 0xFF, 8);
}

TEST(MurphyPush, OrangeDiskCannotBePushedVertically) {
    GameState s = MakeLevel({
        "###",
        "#.#",
        "#O#",
        "#M#",
        "###",
    });
    Steps(s, 20, kUp);
    EXPECT_EQ(At(s, 1, 3), 3);
    EXPECT_EQ(At(s, 1, 2), 8);
    EXPECT_FALSE(Lost(s));
}

TEST(MurphyPush, YellowDiskInEveryDirection) {
    GameState s = MakeLevel({
        "#######",
        "#.....#",
        "#..Y..#",
        "#.YMY.#",
        "#..Y..#",
        "#.....#",
        "#######",
    });
    Step(s, kUp);
    EXPECT_EQ(MurphyState(s), 36);
    EXPECT_EQ(At(s, 3, 1), kPushTargetYellow);
    Steps(s, 15, kUp);
    EXPECT_EQ(At(s, 3, 1), 18);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 2));
    Steps(s, 8, kDown);  // back down into the empty cell
    Steps(s, 16, kDown);
    EXPECT_EQ(At(s, 3, 5), 18);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 4));
    Steps(s, 8, kUp);
    Steps(s, 16, kLeft);
    EXPECT_EQ(At(s, 1, 3), 18);
    Steps(s, 8, kRight);
    Steps(s, 16, kRight);
    EXPECT_EQ(At(s, 5, 3), 18);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 4, 3));
    EXPECT_EQ(s.StepCount, 4 + 3);  // four pushes, three walks
}

TEST(MurphyPush, SnapAfterACancelledPushRunsAtOnce) {
    GameState s = MakeLevel(
        {
            "#####",
            "###+#",
            "#.ZM#",
            "#####",
        },
        Frozen());
    Steps(s, 2, kLeft);
    Step(s, kNone);
    ASSERT_EQ(At(s, 3, 2), 3);
    Steps(s, 8, kSnapUp);
    EXPECT_EQ(At(s, 3, 1), 0);
    EXPECT_EQ(At(s, 3, 2), 3);
    EXPECT_EQ(s.StepCount, 1);
}

}  // namespace
}  // namespace tsn
