#include <gtest/gtest.h>

#include "engine/level_start.h"
#include "engine/run.h"
#include "test_level.h"

namespace tsn {
namespace {

using test::LoadMap;
using test::MakeLevel;

TEST(LevelStart, EnemiesGetTheirFirstMove) {
    // Space to the left: stays, facing left. Walled in on the left with Space above: moves up.
    // Two side by side with room only to the right of the right one: only that one moves.
    GameState s = MakeLevel({
        "#######",
        "#.S#.##",
        "##S#S##",
        "#SS.###",
        "#######",
    });
    const int w = s.FieldWidth;
    EXPECT_EQ(s.PlayField16[1 * w + 2], 0x0111);
    EXPECT_EQ(s.PlayField16[2 * w + 2], 17);  // left, up and right all occupied
    EXPECT_EQ(s.PlayField16[1 * w + 4], 0x1011);
    EXPECT_EQ(s.PlayField16[2 * w + 4], kLeaving);
    EXPECT_EQ(s.PlayField16[3 * w + 1], 17);
    EXPECT_EQ(s.PlayField16[3 * w + 2], kLeaving);
    EXPECT_EQ(s.PlayField16[3 * w + 3], 0x2811);  // not started again when the pass reaches it
}

TEST(LevelStart, ElectronInCellZeroSeesTheVirtualRow) {
    GameState s = MakeLevel({"e#", "##"});
    EXPECT_EQ(s.PlayField16[0], 0x0118);
}

TEST(LevelStart, CodeConversions) {
    GameState s = MakeLevel({
        "#####",
        "#wvx#",
        "#####",
    });
    const int w = s.FieldWidth;
    EXPECT_EQ(s.PlayField16[w + 1], 0x010A);  // special port down
    EXPECT_EQ(s.PlayField16[w + 2], 0x000A);  // plain port down
    EXPECT_EQ(s.PlayField16[w + 3], 31);      // starts exploding
    EXPECT_EQ(s.PlayField16[0], 6);

    GameState t;
    LoadMap(t, {"M...."});
    for (int code : {26, 27, 38, 39}) {
        t.PlayField16[1] = static_cast<uint16_t>(code);
        ConvertField(t);
        EXPECT_EQ(t.PlayField16[1], 5) << code;
    }
    for (int code = 28; code <= 37; ++code) {
        t.PlayField16[2] = static_cast<uint16_t>(code);
        ConvertField(t);
        EXPECT_EQ(t.PlayField16[2], 6) << code;  // 31 in a level file is hardware too
    }
    t.PlayField16[3] = 40;
    ConvertField(t);
    EXPECT_EQ(t.PlayField16[3], 40);
}

TEST(LevelStart, InfotronsNeededFromInfoOrCount) {
    std::vector<std::string> rows = {"MIIIII", "IIIIII"};
    EXPECT_EQ(MakeLevel(rows).InfotronsNeeded, 11);
    test::LevelOptions o;
    o.infotronsNeeded = 5;
    EXPECT_EQ(MakeLevel(rows, o).InfotronsNeeded, 5);
    // 256 Infotrons with no number given need none.
    std::vector<std::string> many(16, std::string(16, 'I'));
    many.push_back(std::string(16, '#'));
    many.back()[0] = 'M';
    EXPECT_EQ(MakeLevel(many).InfotronsNeeded, 0);
}

TEST(LevelStart, MurphyIsTheFirstExactThreeOrNone) {
    GameState s = MakeLevel({"..M.M", "....."});
    EXPECT_EQ(s.MurphyPos, 2);
    EXPECT_EQ(s.MurphyScreenXPos, 64);
    EXPECT_EQ(s.MurphyLastPos, 2);
    GameState none = MakeLevel({".....", "....."});
    EXPECT_EQ(none.MurphyPos, none.FieldUpper);
}

TEST(LevelStart, ARunResetsItsStateButKeepsGravityAndFrozenZonks) {
    test::LevelOptions o;
    o.gravity = 1;
    o.frozenZonks = 2;
    GameState s;
    s.clock = [] { return int32_t{0}; };
    LoadMap(s, {"M...", "...."}, o);
    s.MurphyKilled = 1;
    s.LeadOutCounter = 9;
    s.FrameCounter = 12345;
    s.TerminalBlinkMask = 7;
    s.NoKeyAtRest = 1;
    s.MurphyDownTarget = 2;
    BeginRun(s);
    EXPECT_EQ(s.MurphyKilled, 0);
    EXPECT_EQ(s.LeadOutCounter, 0);
    EXPECT_EQ(s.FrameCounter, 0);
    EXPECT_EQ(s.TerminalBlinkMask, 127);
    EXPECT_EQ(s.NoKeyAtRest, 0);
    EXPECT_EQ(s.MurphyDownTarget, 0);
    EXPECT_EQ(s.GravityOn, 1);
    EXPECT_EQ(s.ZonksFrozen, 2);
}

TEST(LevelStart, FreshRunSeedsFromTheClock) {
    GameState s;
    LoadMap(s, {"M..."});
    s.clock = [] { return int32_t{0x00010002}; };
    s.FreshRun = 1;
    StartLevelFromField(s);
    EXPECT_EQ(s.RandomSeed, 3);
    EXPECT_EQ(s.StartRandomSeed, 3);
}

}  // namespace
}  // namespace tsn
