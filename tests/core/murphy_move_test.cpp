// Murphy walking, eating, falling, the exit, idling and the steps of whole runs.
#include <gtest/gtest.h>

#include "murphy_fixture.h"

namespace tsn {
namespace {

using namespace test;

TEST(MurphyMove, WalkTakesEightFramesAndChainsWithoutPause) {
    GameState s = MakeLevel({
        "#######",
        "#M....#",
        "#######",
    });
    const int x0 = s.MurphyScreenXPos;
    Step(s, kRight);
    // He owns the target at once; his old cell is reserved until the move completes.
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));
    EXPECT_EQ(At(s, 2, 1), 0x0403);
    EXPECT_EQ(At(s, 1, 1), kMurphyTrail);
    Steps(s, 6, kRight);
    EXPECT_EQ(s.StepCount, 0);
    EXPECT_EQ(At(s, 2, 1), 0x0403);
    Step(s, kRight);
    EXPECT_EQ(At(s, 2, 1), 3);
    EXPECT_EQ(At(s, 1, 1), 0);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(s.MurphyScreenXPos, x0 + 32);
    // The next cell starts in the very next frame.
    Steps(s, 8, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 3, 1));
    EXPECT_EQ(s.StepCount, 2);
    EXPECT_EQ(s.MurphyScreenXPos, x0 + 64);
    EXPECT_EQ(s.MurphyCoarseX, 2 * 3);
}

TEST(MurphyMove, EatingBasesAndInfotrons) {
    GameState s = MakeLevel({
        "######",
        "#M+I.#",
        "#I.#.#",
        "######",
    });
    ASSERT_EQ(s.InfotronsNeeded, 2);
    Steps(s, 8, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));
    EXPECT_EQ(s.StepCount, 1);
    // Sideways Infotron eating draws a two-cell picture in place.
    Step(s, kRight);
    EXPECT_EQ(At(s, 3, 1), 0x0C03);
    EXPECT_EQ(s.MurphySecondSprite, 4);
    EXPECT_EQ(s.MurphyClearCell, -1);
    EXPECT_EQ(s.InfotronsNeeded, 2);  // counted when the move completes
    Steps(s, 7, kRight);
    EXPECT_EQ(s.InfotronsNeeded, 1);
    EXPECT_EQ(s.StepCount, 2);

    // Down into an Infotron.
    GameState t = MakeLevel({
        "####",
        "#M.#",
        "#I.#",
        "####",
    });
    Step(t, kDown);
    EXPECT_EQ(At(t, 1, 2), 0x0B03);
    Steps(t, 7, kNone);  // input is ignored during an action
    EXPECT_EQ(At(t, 1, 2), 3);
    EXPECT_EQ(t.InfotronsNeeded, 0);
    EXPECT_EQ(t.StepCount, 1);
}

TEST(MurphyMove, SnappingBaseAndInfotron) {
    GameState s = MakeLevel({
        "#####",
        "#+M.#",
        "#.I.#",
        "#####",
    });
    // Snapping counts its step at once; the base goes when the snap completes.
    Step(s, kSnapLeft);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(MurphyState(s), 17);
    EXPECT_EQ(s.MurphyFacingLeft, 1);
    Steps(s, 6, kNone);
    EXPECT_EQ(At(s, 1, 1), 2);
    Step(s, kNone);
    EXPECT_EQ(At(s, 1, 1), 0);
    EXPECT_EQ(At(s, 2, 1), 3);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));

    // Snapping an Infotron takes seven frames.
    Step(s, kSnapDown);
    EXPECT_EQ(At(s, 2, 2), 0xFF04);
    EXPECT_EQ(s.StepCount, 2);
    Steps(s, 5, kNone);
    EXPECT_EQ(s.InfotronsNeeded, 1);
    Step(s, kNone);
    EXPECT_EQ(s.InfotronsNeeded, 0);
    EXPECT_EQ(At(s, 2, 2), 0);
    EXPECT_EQ(At(s, 2, 1), 3);

    // Snapping at nothing does nothing.
    Step(s, kSnapRight);
    EXPECT_EQ(At(s, 2, 1), 3);
    EXPECT_EQ(s.StepCount, 2);
}

TEST(MurphyGravity, FallingCountsNoStepAndKeepsTheInput) {
    LevelOptions o;
    o.gravity = 1;
    GameState s = MakeLevel(
        {
            "#####",
            "#.M.#",
            "#...#",
            "#...#",
            "#####",
        },
        o);
    // Nothing beside to eat: a key left becomes a fall; the frame's input itself stays.
    Step(s, kLeft);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 2));
    EXPECT_EQ(At(s, 2, 2), 0x0303);
    EXPECT_EQ(s.MurphyInput, kLeft);
    EXPECT_EQ(s.MurphyFacingLeft, 0);
    Steps(s, 7, kLeft);
    EXPECT_EQ(At(s, 2, 2), 3);
    EXPECT_EQ(s.StepCount, 0);
    // With no input he falls on.
    Steps(s, 8, kNone);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 3));
    EXPECT_EQ(s.StepCount, 0);
    // Standing on the floor, gravity or not, a move counts.
    Steps(s, 8, kLeft);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 1, 3));
    EXPECT_EQ(s.StepCount, 1);
}

TEST(MurphyGravity, BaseAboveIsEatenUpwardWhileFalling) {
    LevelOptions o;
    o.gravity = 1;
    GameState s = MakeLevel(
        {
            "#####",
            "#.+.#",
            "#.M.#",
            "#...#",
            "#####",
        },
        o);
    Step(s, kUp);
    EXPECT_EQ(At(s, 2, 1), 0x0503);
    Steps(s, 7, kUp);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));
    EXPECT_EQ(s.StepCount, 1);
    // Empty above: holding up makes him fall instead.
    Step(s, kUp);
    EXPECT_EQ(At(s, 2, 2), 0x0303);
}

TEST(MurphyGravity, DownIntoBaseCountsAStep) {
    LevelOptions o;
    o.gravity = 1;
    GameState s = MakeLevel(
        {
            "####",
            "#M.#",
            "#+.#",
            "####",
        },
        o);
    Steps(s, 8, kDown);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 1, 2));
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(s.MurphyDownTarget, 0);
}

TEST(MurphyGravity, PortsThatOpenUpwardHoldHim) {
    LevelOptions o;
    o.gravity = 1;
    for (char port : {'^', '|', '*'}) {
        GameState s = MakeLevel(
            {
                "###",
                std::string("#") + port + "#",
                "#M#",
                "#.#",
                "###",
            },
            o);
        Steps(s, 4, kNone);
        EXPECT_EQ(s.MurphyPos, CellAt(s, 1, 2)) << port;
    }
    GameState s = MakeLevel(
        {
            "###",
            "#v#",
            "#M#",
            "#.#",
            "###",
        },
        o);
    Step(s, kNone);
    EXPECT_EQ(At(s, 1, 3), 0x0303);
}

TEST(MurphyExit, OpensOnlyWhenNoInfotronIsNeeded) {
    GameState s = MakeLevel({
        "######",
        "#ME.I#",
        "######",
    });
    Steps(s, 10, kRight);
    Steps(s, 10, kSnapRight);
    EXPECT_EQ(At(s, 1, 1), 3);
    EXPECT_EQ(s.LevelSolved, 0);
    EXPECT_EQ(s.StepCount, 0);

    GameState t = MakeLevel({
        "#####",
        "#ME.#",
        "#####",
    });
    EXPECT_FALSE(Step(t, kRight));
    EXPECT_EQ(t.LevelSolved, 1);
    EXPECT_EQ(t.StepCount, 1);
    EXPECT_EQ(MurphyState(t), 13);
    EXPECT_EQ(t.MurphyPos, CellAt(t, 1, 1));
    EXPECT_EQ(t.LeadOutCounter, 63);
    // The exit animation runs 40 frames, then the level ends.
    EXPECT_FALSE(Steps(t, 38, kNone));
    EXPECT_EQ(t.EndLevelNow, 0);
    EXPECT_TRUE(Step(t, kNone));
    EXPECT_EQ(t.EndLevelNow, 1);
}

TEST(MurphyRun, StepsOfACompleteRun) {
    GameState s = MakeLevel({
        "#########",
        "#M+I.+IE#",
        "#########",
    });
    // Five cells walked (bases, Infotrons, space) and the exit.
    EXPECT_TRUE(Steps(s, 500, kRight));
    EXPECT_EQ(s.LevelSolved, 1);
    EXPECT_EQ(s.StepCount, 6);
    EXPECT_EQ(s.Frames(), 5 * 8 + 40);
    EXPECT_EQ(s.InfotronsNeeded, 0);
}

TEST(MurphyIdle, CounterPacedByEveryFourthFrame) {
    GameState s = MakeLevel({
        "#####",
        "#.M.#",
        "#####",
    });
    Steps(s, 9, kNone);  // frames 0, 4 and 8
    EXPECT_EQ(s.IdleCounter, 3);
    Steps(s, 8, kRight);
    EXPECT_EQ(s.IdleCounter, 0);
    // At the end of the long idle he looks around only when something is beside him.
    s.IdleCounter = 1622;
    while (s.Frames() % 4 != 0) Step(s, kNone);
    Step(s, kNone);
    EXPECT_EQ(s.IdleCounter, 1623);  // the wall on his right
    s.PlayField16[s.MurphyPos + 1] = 0;
    s.PlayField16[s.MurphyPos - 1] = 0;
    s.IdleCounter = 1622;
    while (s.Frames() % 4 != 0) Step(s, kNone);
    Step(s, kNone);
    EXPECT_EQ(s.IdleCounter, 36);
}

}  // namespace
}  // namespace tsn
