// Move scripts: the tokens, and playing them on small levels of a set.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "level_set_build.h"
#include "level_source.h"
#include "move_script.h"
#include "solution_run.h"

namespace tsn::levels {
namespace {

TEST(MoveScript, TokensBecomeActionsWaitsAndHolds) {
    const auto steps = ParseMoveScript("R U3 sL ; snap\n sD2 X w16 hR1 hsU4 hX2");
    ASSERT_EQ(steps.size(), 9u);
    const std::vector<std::pair<int, int>> expected = {{4, 1}, {1, 3}, {6, 1}, {7, 2}, {9, 1},
                                                       {0, 16}, {4, 1}, {5, 4}, {9, 2}};
    for (size_t i = 0; i < steps.size(); ++i) {
        EXPECT_EQ(steps[i].input, expected[i].first) << steps[i].text;
        EXPECT_EQ(steps[i].count, expected[i].second) << steps[i].text;
    }
    EXPECT_EQ(steps[4].layDisk, true);
    EXPECT_EQ(steps[5].kind, ScriptStep::Kind::Wait);
    EXPECT_EQ(steps[6].kind, ScriptStep::Kind::Hold);
    EXPECT_EQ(steps[0].kind, ScriptStep::Kind::Action);
    const auto go = ParseMoveScript("goto 12,5 R");
    ASSERT_EQ(go.size(), 2u);
    EXPECT_EQ(go[0].kind, ScriptStep::Kind::Goto);
    EXPECT_EQ(go[0].column, 12);
    EXPECT_EQ(go[0].row, 5);
    EXPECT_EQ(go[0].text, "goto 12,5");
}

TEST(MoveScript, BadTokensAreRefused) {
    for (const char* bad : {"Q", "w", "R0", "hR", "sX", "R2x", "hQ3", "R100001", "goto", "goto 3", "goto 60,1",
                            "goto 1,24", "goto a,b", "goto 1,", "goto 123,1"})
        EXPECT_THROW(ParseMoveScript(bad), ScriptError) << bad;
    EXPECT_TRUE(ParseMoveScript("; only a comment\n\n").empty());
}

// A one-level set from a small map placed in the top-left corner of a hardware field.
std::vector<uint8_t> SetOf(const std::vector<std::string>& map, LevelSource* out = nullptr) {
    LevelSource l;
    l.title = "-----------------------";
    l.rows.assign(kMapHeight, std::string(kMapWidth, '#'));
    for (size_t y = 0; y < map.size(); ++y) l.rows[y].replace(0, map[y].size(), map[y]);
    if (out) *out = l;
    return BuildLevelSet({l});
}

ScriptRun Play(const std::vector<std::string>& map, const std::string& script, GameState& s) {
    const auto set = SetOf(map);
    return PlayScript(s, set, 1, 7, ParseMoveScript(script));
}

TEST(PlayScript, MovesPushesAndSnapsSolveALevel) {
    // Snap the Infotron below, push the Zonk left into the hole, walk out through the exit.
    GameState s;
    const ScriptRun r = Play({"#######",
                              "#E.ZM.#",
                              "##.#I##",
                              "#######"},
                             "sD L R L2 L", s);
    EXPECT_TRUE(r.solved) << r.failure;
    EXPECT_EQ(r.stepsDone, 5u);
    EXPECT_EQ(s.LevelSolved, 1);
    EXPECT_EQ(s.StartRandomSeed, 7);
    // Snap 7 frames, push 8 + 8, back right 8, left 8 twice, then the exit's 40 frames.
    EXPECT_EQ(r.frames, 7 + 16 + 8 + 16 + 40);
    EXPECT_GT(s.DemoBuffer.Size(), 0);
}

TEST(PlayScript, StuckDeadAndUnfinishedScriptsAreReported) {
    GameState stuck;
    const ScriptRun blocked = Play({"#####", "#M#E#", "#####"}, "R", stuck);
    EXPECT_FALSE(blocked.solved);
    EXPECT_NE(blocked.failure.find("step 1 'R': the move never started"), std::string::npos) << blocked.failure;
    EXPECT_NE(blocked.failure.find("#M#E#"), std::string::npos);
    EXPECT_NE(blocked.failure.find("around Murphy (columns 0 to 11):\n  0  ####"), std::string::npos)
        << blocked.failure;
    EXPECT_NE(blocked.failure.find("  1  #M#E#"), std::string::npos);

    GameState dead;  // a fresh bug sparks at once: walking into it kills Murphy
    const ScriptRun killed = Play({"#####", "#Mb.E#", "######"}, "R", dead);
    EXPECT_FALSE(killed.solved);
    EXPECT_NE(killed.failure.find("Murphy died"), std::string::npos) << killed.failure;

    GameState shortRun;
    const ScriptRun unfinished = Play({"######", "#M..E#", "######"}, "R", shortRun);
    EXPECT_FALSE(unfinished.solved);
    EXPECT_NE(unfinished.failure.find("script ends before the exit"), std::string::npos);
}

TEST(PlayScript, GotoWalksTheSafeWayAndReportsWhereItIsStuck) {
    // The short way right runs under the Zonk; the safe one goes round below, through the
    // right port, and collects the Infotron on the way to the exit.
    struct Case {
        std::vector<std::string> map;
        std::string script;
        bool solved;
        const char* report;
    };
    const std::vector<Case> cases = {
        {{"#########",
          "#####Z###",
          "#M.++++E#",
          "#+##+##+#",
          "#+.>.I.+#",
          "#########"},
         "goto 7,2", true, ""},
        {{"######", "#M#.E#", "######"}, "goto 4,1", false, "step 1 'goto 4,1': no safe way from column 1 row 1"},
        {{"#######", "#M.S..#", "#######"}, "goto 5,1", false, "no safe way"},
        {{"#########", "#M.+.<.E#", "#########"}, "goto 7,1", false, "no safe way"},
    };
    for (const Case& c : cases) {
        GameState s;
        const ScriptRun r = Play(c.map, c.script, s);
        EXPECT_EQ(r.solved, c.solved) << c.script << "\n" << r.failure;
        EXPECT_NE(r.failure.find(c.report), std::string::npos) << r.failure;
    }
    GameState s;
    const ScriptRun first = Play(cases[0].map, "goto 5,4", s);
    EXPECT_EQ(s.MurphyPos, s.CellIndex(5, 4));
    EXPECT_EQ(s.InfotronsNeeded, 0);  // the Infotron on the way was eaten
    EXPECT_EQ(s.PlayField16[s.CellIndex(5, 1)], 1);  // the Zonk never fell
    EXPECT_NE(first.failure.find("script ends before the exit"), std::string::npos);
}

TEST(PlayScript, SolutionDemoIsASingleLevelFileOfTheSetLevel) {
    LevelSource l;
    const auto set = SetOf({"######", "#M..E#", "######"}, &l);
    l.solution = "R3";
    l.seed = 4321;
    const SolutionBuild b = BuildSolution(set, l, 1);
    ASSERT_TRUE(b.solved) << b.failure;
    EXPECT_EQ(b.frames, 3 * 8 + 40 - 8);
    ASSERT_GT(b.qv.size(), set.size());
    // The record is the set's, apart from the seed of the recorded run and the demo check byte.
    for (size_t i = 0; i < set.size(); ++i) {
        if (i != 1440 + 93 && i != 1440 + 94 && i != 1440 + 95) {
            EXPECT_EQ(b.qv[i], set[i]) << i;
        }
    }
    EXPECT_EQ(b.qv[1440 + 94] | (b.qv[1440 + 95] << 8), 4321);
    // Recording twice gives the same bytes.
    EXPECT_EQ(BuildSolution(set, l, 1).qv, b.qv);
}

}  // namespace
}  // namespace tsn::levels
