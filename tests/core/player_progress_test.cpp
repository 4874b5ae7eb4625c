#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "files/player_progress.h"

namespace tsn {
namespace {

PlayerRecord WithStates(const std::string& states) {
    PlayerRecord r;
    for (size_t i = 0; i < states.size(); ++i)
        r.progress[i].state = static_cast<uint8_t>(states[i] == 's' ? kSolved
                                                   : states[i] == 'k' ? kSkipped
                                                                      : kNotPlayed);
    return r;
}

std::vector<uint8_t> ListStates(const std::string& states) {
    std::vector<uint8_t> v;
    for (char c : states) v.push_back(c == 's' ? kSolved : c == 'k' ? kSkipped : kNotPlayed);
    return v;
}

TEST(PlayerProgress, SolvedRunsCountAndKeepTheBestSteps) {
    PlayerRecord r;
    ASSERT_TRUE(RecordSolvedRun(r, kProgressMode, 4, 12000, 300));
    const LevelProgressEntry& e = r.progress[4];
    EXPECT_EQ(e.state, kSolved);
    EXPECT_EQ(e.runs, 1);
    EXPECT_EQ(e.playTime, 12000);
    EXPECT_EQ(e.steps, 300);
    EXPECT_EQ(e.bestSteps, 300);
    ASSERT_TRUE(RecordSolvedRun(r, kProgressMode, 4, 3000, 280));
    ASSERT_TRUE(RecordSolvedRun(r, kProgressMode, 4, 1000, 290));
    EXPECT_EQ(e.runs, 3);
    EXPECT_EQ(e.playTime, 16000);
    EXPECT_EQ(e.steps, 870);
    EXPECT_EQ(e.bestSteps, 280);
    EXPECT_EQ(r.TotalPlayTime(), 16000);
}

TEST(PlayerProgress, UnsolvedRunsCountButLeaveTheStateAndBest) {
    for (uint8_t before : {uint8_t{kNotPlayed}, uint8_t{kSolved}, uint8_t{kSkipped}}) {
        PlayerRecord r;
        r.progress[2].state = before;
        r.progress[2].bestSteps = 50;
        ASSERT_TRUE(RecordUnsolvedRun(r, kProgressMode, 2, 7000, 90));
        EXPECT_EQ(r.progress[2].state, before);
        EXPECT_EQ(r.progress[2].bestSteps, 50);
        EXPECT_EQ(r.progress[2].runs, 1);
        EXPECT_EQ(r.progress[2].playTime, 7000);
        EXPECT_EQ(r.progress[2].steps, 90);
    }
}

TEST(PlayerProgress, FreePlayAndPositionsPastTheTableRecordNothing) {
    struct Case { uint8_t mode; int position; };
    for (const Case c : {Case{kFreePlay, 0}, Case{kProgressMode, 111}, Case{kProgressMode, 200},
                         Case{kProgressMode, -1}}) {
        PlayerRecord r;
        const auto before = EncodePlayerFile(r);
        EXPECT_FALSE(RecordSolvedRun(r, c.mode, c.position, 1000, 5));
        EXPECT_FALSE(RecordUnsolvedRun(r, c.mode, c.position, 1000, 5));
        EXPECT_EQ(EncodePlayerFile(r), before);
    }
    PlayerRecord r;
    EXPECT_FALSE(SetLevelState(r, 111, kSkipped));
    EXPECT_EQ(ListedState(r, 111), kNotPlayed);
    EXPECT_TRUE(SetLevelState(r, 110, kSkipped));
    EXPECT_EQ(ListedState(r, 110), kSkipped);
}

TEST(PlayerProgress, CountersStopAtTheirLargestValue) {
    PlayerRecord r;
    r.progress[0].playTime = INT_MAX - 10;
    r.progress[1].playTime = INT_MAX;
    ASSERT_TRUE(RecordUnsolvedRun(r, kProgressMode, 0, 1000, 1));
    EXPECT_EQ(r.progress[0].playTime, INT_MAX);
    EXPECT_EQ(r.TotalPlayTime(), INT_MAX);
}

TEST(PlayerProgress, FirstLevelToPlay) {
    struct Case { std::string states; int count; int first; };
    const Case cases[] = {
        {"", 5, 0},          // nothing played
        {"ss", 5, 2},        // first not played
        {"sksss", 5, 1},     // all played or skipped: the first skipped
        {"sssss", 5, 4},     // all solved: the last of the list
        {"s", 1, 0},         // a single solved level
        {std::string(111, 's'), 111, 110},
        {std::string(111, 's'), 200, 110},  // levels past the table are never offered first
        {std::string(60, 's') + "k", 61, 60},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(FirstLevelToPlay(WithStates(c.states), c.count), c.first)
            << c.states << " / " << c.count;
    }
}

TEST(PlayerProgress, TheProgressModeSendsAChoicePastTheFirstLevelBack) {
    const PlayerRecord r = WithStates("sskks");  // first to play: 5
    struct Case { uint8_t mode; int chosen; int result; };
    const Case cases[] = {
        {kProgressMode, 1, 1},   // solved levels stay choosable
        {kProgressMode, 3, 3},   // skipped ones too
        {kProgressMode, 5, 5},   // the first to play itself
        {kProgressMode, 6, 5},   // past it: back
        {kProgressMode, 150, 5}, // past the table: back
        {kFreePlay, 6, 6},
    };
    for (const Case& c : cases) EXPECT_EQ(ProgressChoice(r, c.mode, c.chosen, 200), c.result) << c.chosen;
}

TEST(PlayerProgress, NextLevelAfterASolvedRunAndTheCompletion) {
    const PlayerRecord r = WithStates("sksss");
    EXPECT_EQ(NextLevelToPlay(r, 2, 5), 1);   // wraps to the skipped one
    EXPECT_EQ(NextLevelToPlay(WithStates("ssss"), 2, 6), 4);
    EXPECT_EQ(NextLevelToPlay(WithStates("sssss"), 0, 5), std::nullopt);

    // Skipped levels are still to be played: only solving every level completes the file.
    PlayerRecord skipped = WithStates("sksss");
    EXPECT_FALSE(MarkAllLevelsCompleted(skipped, 5));
    PlayerRecord done = WithStates("sssss");
    EXPECT_TRUE(MarkAllLevelsCompleted(done, 5));
    EXPECT_EQ(done.allLevelsCompleted, 1);
    EXPECT_FALSE(MarkAllLevelsCompleted(done, 5));  // the congratulation comes once

    PlayerRecord open = WithStates("ss");
    EXPECT_FALSE(MarkAllLevelsCompleted(open, 3));
    PlayerRecord single = WithStates("s");
    EXPECT_FALSE(MarkAllLevelsCompleted(single, 1));
    // A file of more than 111 levels is complete with its 111 recorded ones.
    PlayerRecord big = WithStates(std::string(111, 's'));
    EXPECT_TRUE(MarkAllLevelsCompleted(big, 150));
}

TEST(PlayerProgress, RightClickRules) {
    struct Case {
        std::string states;
        int clicked;
        int selected;
        uint8_t mode;
        bool right;
        RightClickAction action;
    };
    using A = RightClickAction;
    const Case cases[] = {
        {"ss...", 2, 2, kProgressMode, true, A::OpenSkipMenu},
        {"ss...", 3, 2, kProgressMode, true, A::Nothing},        // an unplayed one before it
        {"ss...", 1, 2, kProgressMode, true, A::ColorBlind},
        {"sk...", 1, 2, kProgressMode, true, A::ColorBlind},
        {"kkk..", 3, 3, kProgressMode, true, A::SkipNotPossible},  // three skipped
        {"kks..", 3, 3, kProgressMode, true, A::OpenSkipMenu},
        {"ss...", 2, 2, kFreePlay, true, A::Nothing},
        {"ss...", 2, 2, kProgressMode, false, A::Nothing},
        {"ss...", -1, 2, kProgressMode, true, A::Nothing},
        {".", 0, 0, kProgressMode, true, A::Nothing},            // a single entry
        {std::string(110, 's') + "..", 110, 110, kProgressMode, true, A::SkipNotPossible},
        {std::string(111, 's') + "..", 111, 109, kProgressMode, true, A::SkipNotPossible},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RightClickOnList(ListStates(c.states), c.clicked, c.selected, c.mode, c.right),
                  c.action)
            << c.states.substr(0, 8) << " clicked " << c.clicked;
    }
}

}  // namespace
}  // namespace tsn
