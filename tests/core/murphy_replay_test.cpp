// A recorded run of Murphy replays to the same field, and what he draws and sounds per frame.
#include <gtest/gtest.h>

#include <cstdint>
#include <tuple>
#include <vector>

#include "engine/frame_step.h"
#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

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

// What a run and its replay must agree on.
auto OutcomeOf(const GameState& s) {
    std::vector<uint16_t> field;
    for (int i = 0; i <= s.FieldUpper; ++i) field.push_back(s.PlayField16[i]);
    return std::tuple(field, s.MurphyPos, s.StepCount, s.InfotronsNeeded, s.RedDiskCount,
                      s.LevelSolved);
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

    EXPECT_EQ(OutcomeOf(rec), OutcomeOf(rep));
}

TEST(MurphyReplay, RecordedRunsReplayIdentically) {
    // Left held for one demo byte: a fall first (nothing to eat on the left), then a walk.
    const std::vector<std::string> fall = {"#####", "#..M#", "#...#", "#####"};
    RunScenario(Play("key held through a fall", fall, LevelOptions{.gravity = 1},
                     Hold(kLeft, 16, {MurphyAt(2, 2), Is(StepCount, 1)})));
    ExpectReplayMatches(fall, {.gravity = 1}, std::vector<int>(16, kLeft));
    for (uint8_t gravity : {uint8_t{0}, uint8_t{1}}) {
        for (uint32_t seed : {1u, 7u, 42u, 2024u}) {
            SCOPED_TRACE(testing::Message() << "gravity " << int{gravity} << " seed " << seed);
            ExpectReplayMatches(kPlayground, {.gravity = gravity}, Script(seed, 900));
        }
    }
}

const Scenario kDrawing[] = {
    // The push starts with the pushing sprite; waiting frames draw nothing; the first moving
    // frame clears Murphy's cell and draws the Zonk and him 4 pixels on.
    Play("push", {"######", "#.ZM.#", "######"}, LevelOptions{.frozenZonks = 2},
         Hold(kLeft, 1, {Drew(96, 32, 45)}), Hold(kLeft, 6, {Heard(Sample::Push, 0)}),
         Hold(kLeft, 1, {Heard(Sample::Push, 1), DrewNothing()}),
         Hold(kLeft, 1, {Drew(96, 32, 0), Drew(96 - 32 - 4, 32, 192), Drew(96 - 4, 32, 45)})),
    Play("sideways Infotron is a two-cell picture", {"#####", "#.IM#", "#####"},
         Hold(kLeft, 1, {Drew(96, 32, 209), Drew(64, 32, 208)}),
         Hold(kLeft, 1, {Drew(96, 32, 211), Drew(64, 32, 210)})),
    Play("nothing drawn without display", {"#####", "#ME.#", "#####"}, Given({Is(NoDisplay, -1)}),
         Hold(kRight, 40,
              {DrewNothing(), Heard(Sample::Exit, 0), Is(StepCount, 1), Is(LevelSolved, 1)})),
    Play("idle frames after 500 ticks", {"#####", "#.M.#", "#####"}, Given({Is(IdleCounter, 500)}),
         Hold(kNone, 1, {Drew(64, 32, 56)}), Hold(kNone, 4, {Drew(64, 32, 57)})),
};

TEST(MurphyDrawing, Scenarios) {
    for (const Scenario& sc : kDrawing) RunScenario(sc);
}

}  // namespace
}  // namespace tsn
