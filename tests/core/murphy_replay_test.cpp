// A recorded run of Murphy replays to the same field, and what he draws and sounds per frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "engine/frame_step.h"
#include "murphy_fixture.h"
#include "recording_view.h"

namespace tsn {
namespace {

using namespace test;

const std::vector<std::string> kPlayground = {
    "############", "#M..+.Z..D.#", "#..I.#..+..#", "#.Z..D.+.I.#",
    "#..+..Y..Z.#", "#.I..O...+.#", "#.R.Z...+E.#", "############",
};

// Actions held for a few frames each, as a player holds keys, from a fixed generator.
std::vector<int> Script(uint32_t seed, int frames) {
    std::vector<int> out;
    while (static_cast<int>(out.size()) < frames) {
        seed = seed * 1103515245u + 12345u;
        const int action = static_cast<int>((seed >> 16) % 10);
        const int hold = 1 + static_cast<int>((seed >> 8) % 40);
        for (int i = 0; i < hold; ++i) out.push_back(action);
    }
    out.resize(static_cast<size_t>(frames));
    return out;
}

struct Outcome {
    std::vector<uint16_t> field;
    int16_t murphyPos;
    int16_t steps;
    int16_t infotrons;
    int16_t redDisks;
    uint8_t solved;
};

Outcome OutcomeOf(const GameState& s) {
    Outcome o{{}, s.MurphyPos, s.StepCount, s.InfotronsNeeded, s.RedDiskCount, s.LevelSolved};
    for (int i = 0; i <= s.FieldUpper; ++i) o.field.push_back(s.PlayField16[i]);
    return o;
}

// Plays the script on the level while recording it, then replays the recording on a fresh
// start of the same level; both runs must end in the same state.
void ExpectReplayMatches(const std::vector<std::string>& level, const LevelOptions& o,
                         const std::vector<int>& script) {
    GameState rec = MakeLevel(level, o);
    int played = 0;
    for (int action : script) {
        ++played;
        if (Step(rec, action)) break;
    }

    GameState rep = MakeLevel(level, o);
    const auto bytes = rec.DemoBuffer.bytes();
    const int start = rep.DemoStartIndex;
    rep.LevelBufferUpper = start + static_cast<int32_t>(bytes.size()) + 1;
    rep.LevelBytes.resize(static_cast<size_t>(rep.LevelBufferUpper) + 1, 0);
    rep.LevelBytes[static_cast<size_t>(start)] = 129;
    for (size_t i = 0; i < bytes.size(); ++i)
        rep.LevelBytes[static_cast<size_t>(start) + 1 + i] = bytes[i];
    rep.LevelBytes[static_cast<size_t>(start) + 1 + bytes.size()] = 0xFF;
    rep.DemoReadIndex = start;
    rep.DemoRepeatCount = 0;
    rep.DemoPlayback = 1;
    for (int f = 0; f < played; ++f) Step(rep, 0);

    const Outcome a = OutcomeOf(rec);
    const Outcome b = OutcomeOf(rep);
    EXPECT_EQ(a.field, b.field);
    EXPECT_EQ(a.murphyPos, b.murphyPos);
    EXPECT_EQ(a.steps, b.steps);
    EXPECT_EQ(a.infotrons, b.infotrons);
    EXPECT_EQ(a.redDisks, b.redDisks);
    EXPECT_EQ(a.solved, b.solved);
}

TEST(MurphyReplay, KeyHeldThroughAFallReplaysTheSame) {
    // Left is held for one demo byte: a fall first (nothing to eat on the left), then a walk.
    LevelOptions o;
    o.gravity = 1;
    const std::vector<std::string> level = {
        "#####",
        "#..M#",
        "#...#",
        "#####",
    };
    GameState s = MakeLevel(level, o);
    Steps(s, 16, kLeft);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 2));
    EXPECT_EQ(s.StepCount, 1);
    ExpectReplayMatches(level, o, std::vector<int>(16, kLeft));
}

TEST(MurphyReplay, RecordedRunsReplayIdentically) {
    for (uint8_t gravity : {uint8_t{0}, uint8_t{1}}) {
        for (uint32_t seed : {1u, 7u, 42u, 2024u}) {
            SCOPED_TRACE(testing::Message() << "gravity " << int{gravity} << " seed " << seed);
            LevelOptions o;
            o.gravity = gravity;
            ExpectReplayMatches(kPlayground, o, Script(seed, 900));
        }
    }
}

TEST(MurphyDrawing, PushStartsWithThePushingSprite) {
    LevelOptions o;
    o.frozenZonks = 2;
    GameState s = MakeLevel(
        {
            "######",
            "#.ZM.#",
            "######",
        },
        o);
    RecordingView view;
    RecordingSound sound;
    s.view = &view;
    s.sound = &sound;
    const int px = s.CellPixelX(s.MurphyPos);
    const int py = s.CellPixelY(s.MurphyPos);
    Step(s, kLeft);
    EXPECT_TRUE(view.saw({px, py, 45}));
    Steps(s, 6, kLeft);
    EXPECT_EQ(sound.count(Sample::Push), 0);
    view.drawn.clear();
    Step(s, kLeft);
    EXPECT_EQ(sound.count(Sample::Push), 1);
    EXPECT_TRUE(view.drawn.empty());  // waiting frames draw nothing
    // First moving frame: Murphy's cell cleared, the Zonk 4 pixels left of its cell, Murphy's
    // pushing sprite 4 pixels left of his.
    Step(s, kLeft);
    EXPECT_TRUE(view.saw({px, py, 0}));
    EXPECT_TRUE(view.saw({px - 32 - 4, py, 192}));
    EXPECT_TRUE(view.saw({px - 4, py, 45}));
}

TEST(MurphyDrawing, SidewaysInfotronIsATwoCellPicture) {
    GameState s = MakeLevel({
        "#####",
        "#.IM#",
        "#####",
    });
    RecordingView view;
    s.view = &view;
    const int px = s.CellPixelX(s.MurphyPos);
    const int py = s.CellPixelY(s.MurphyPos);
    Step(s, kLeft);
    EXPECT_TRUE(view.saw({px, py, 209}));
    EXPECT_TRUE(view.saw({px - 32, py, 208}));
    Step(s, kLeft);
    EXPECT_TRUE(view.saw({px, py, 211}));
    EXPECT_TRUE(view.saw({px - 32, py, 210}));
}

TEST(MurphyDrawing, NothingIsDrawnWithoutDisplay) {
    GameState s = MakeLevel({
        "#####",
        "#ME.#",
        "#####",
    });
    RecordingView view;
    RecordingSound sound;
    s.view = &view;
    s.sound = &sound;
    s.NoDisplay = -1;
    Steps(s, 40, kRight);
    EXPECT_TRUE(view.drawn.empty());
    EXPECT_EQ(sound.count(Sample::Exit), 0);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_EQ(s.LevelSolved, 1);
}

TEST(MurphyDrawing, IdleFramesAfterFiveHundredTicks) {
    GameState s = MakeLevel({
        "#####",
        "#.M.#",
        "#####",
    });
    RecordingView view;
    s.view = &view;
    s.IdleCounter = 500;
    while (s.Frames() % 4 != 0) Step(s, kNone);
    Step(s, kNone);
    const int px = s.CellPixelX(s.MurphyPos);
    const int py = s.CellPixelY(s.MurphyPos);
    EXPECT_TRUE(view.saw({px, py, 56}));
    Steps(s, 4, kNone);
    EXPECT_TRUE(view.saw({px, py, 57}));
}

}  // namespace
}  // namespace tsn
