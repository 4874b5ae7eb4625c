// Bugs and terminals: spark and blink timing, their draws from the random generator and the
// bug's sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "elements/elements.h"
#include "engine/animation.h"
#include "engine/field_hash.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "recording_view.h"
#include "test_level.h"

namespace tsn {
namespace {

using test::CellAt;
using test::MakeLevel;

int StateOf(const GameState& s, int cell) {
    return static_cast<int8_t>(static_cast<uint8_t>(s.PlayField16[cell] >> 8));
}

// The values the generator will hand out next, without touching the state.
std::vector<int> NextDraws(const GameState& s, int n) {
    static GameState copy;
    copy.RandomSeed = s.RandomSeed;
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(RandomNumber(copy));
    return out;
}

// A room with one element in the middle and Murphy walled in below.
GameState Room(char element, uint16_t seed = 1234) {
    test::LevelOptions o;
    o.seed = seed;
    std::string middle = "#.....#";
    middle[3] = element;
    return MakeLevel({"#######", "#.....#", middle, "#.....#", "#######", "#M#####", "#######"}, o);
}

TEST(Bugs, SparkAtOnceThenRestARandomTime) {
    GameState s = Room('b');
    test::RecordingView view;
    s.view = &view;
    const int p = CellAt(s, 3, 2);
    const uint16_t seed = s.RandomSeed;

    // A fresh bug counts 1..13 on every fourth frame, showing its spark frames.
    for (int f = 0; f <= 48; ++f) {
        s.FrameCounter = f * kFixedOne;
        subBugFrame(s, p);
        EXPECT_EQ(StateOf(s, p), f / 4 + 1) << f;
    }
    EXPECT_EQ(s.RandomSeed, seed);
    ASSERT_EQ(view.drawn.size(), 13u);
    for (size_t i = 0; i < view.drawn.size(); ++i) {
        EXPECT_EQ(view.drawn[i], (test::DrawnSprite{96, 64, BugFrames[i + 1]}));
    }

    // After frame 13 it rests 32..95 steps, drawn from the generator once.
    view.drawn.clear();
    const int r = NextDraws(s, 1)[0];
    s.FrameCounter = 52 * kFixedOne;
    subBugFrame(s, p);
    const int rest = -32 - (r % 64);
    EXPECT_EQ(StateOf(s, p), rest);
    GameState check;
    check.RandomSeed = seed;
    RandomNumber(check);
    EXPECT_EQ(s.RandomSeed, check.RandomSeed);  // exactly one draw

    // Resting, it is not drawn and draws nothing; it sparks again from frame 0.
    int f = 52;
    for (int step = rest + 1; step <= 0; ++step) {
        f += 4;
        s.FrameCounter = f * kFixedOne;
        subBugFrame(s, p);
        EXPECT_EQ(StateOf(s, p), step);
    }
    EXPECT_EQ(s.RandomSeed, check.RandomSeed);
    ASSERT_EQ(view.drawn.size(), 1u);
    EXPECT_EQ(view.drawn[0].sprite, BugFrames[0]);
    s.view = nullptr;

    // Over many seeds the rests cover 32..95 steps.
    int shortest = 1000;
    int longest = 0;
    for (int seed16 = 0; seed16 < 2000; ++seed16) {
        s.RandomSeed = static_cast<uint16_t>(seed16 * 31);
        const int next = NextDraws(s, 1)[0];
        s.PlayField16[p] = 0x0D19;
        subBugFrame(s, p);
        ASSERT_EQ(StateOf(s, p), -32 - next % 64);
        shortest = std::min(shortest, -StateOf(s, p));
        longest = std::max(longest, -StateOf(s, p));
    }
    EXPECT_EQ(shortest, 32);
    EXPECT_EQ(longest, 95);
}

TEST(Bugs, SoundOnlyWhileSparkingWithMurphyAround) {
    const int around[8][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}};
    for (const auto& d : around) {
        GameState s = Room('b');
        test::RecordingSound sound;
        s.sound = &sound;
        const int p = CellAt(s, 3, 2);
        s.PlayField16[CellAt(s, 3 + d[0], 2 + d[1])] = 0x0203;  // Murphy, even while moving
        subBugFrame(s, p);
        EXPECT_EQ(sound.count(Sample::Bug), 1) << d[0] << "," << d[1];
        s.sound = nullptr;
    }
    GameState s = Room('b');
    test::RecordingSound sound;
    s.sound = &sound;
    const int p = CellAt(s, 3, 2);
    s.PlayField16[CellAt(s, 5, 2)] = 3;  // two cells away
    subBugFrame(s, p);
    EXPECT_EQ(sound.count(Sample::Bug), 0);
    s.PlayField16[CellAt(s, 4, 2)] = 3;
    s.PlayField16[p] = 0xF019;  // resting
    subBugFrame(s, p);
    EXPECT_EQ(sound.count(Sample::Bug), 0);
    s.FrameCounter = 2 * kFixedOne;  // not a fourth frame
    s.PlayField16[p] = 0x0019;
    subBugFrame(s, p);
    EXPECT_EQ(sound.count(Sample::Bug), 0);
    EXPECT_EQ(s.PlayField16[p], 0x0019);
    s.sound = nullptr;
}

TEST(Terminals, BlinkAfterARandomWaitAndWrapTheirFrames) {
    GameState s = Room('T');
    test::RecordingView view;
    s.view = &view;
    const int p = CellAt(s, 3, 2);
    int wait = -1;
    int blinks = 0;
    int expectedBlink = 0;
    int lastBlinkFrame = -1;
    for (int f = 0; f < 2000; ++f) {
        const std::vector<int> next = NextDraws(s, 1);
        const uint16_t seed = s.RandomSeed;
        view.drawn.clear();
        s.FrameCounter = f * kFixedOne;
        subTerminalFrame(s, p);
        if (view.drawn.empty()) {
            EXPECT_EQ(s.RandomSeed, seed);
            continue;
        }
        // A blink: one draw, the next wait, and the next blink frame.
        if (lastBlinkFrame >= 0) {
            EXPECT_EQ(f - lastBlinkFrame, wait + 1) << f;
        }
        wait = next[0] & 127;
        EXPECT_EQ(StateOf(s, p), -wait);
        expectedBlink = (expectedBlink + 1) % 8;
        EXPECT_EQ(s.TerminalBlinkTimer[static_cast<size_t>(p)], expectedBlink);
        ASSERT_EQ(view.drawn.size(), 1u);
        EXPECT_EQ(view.drawn[0], (test::DrawnSprite{96, 64, 128 + expectedBlink}));
        lastBlinkFrame = f;
        ++blinks;
    }
    EXPECT_GT(blinks, 16);  // the blink frames have wrapped from 7 to 0 at least twice

    // Once a terminal has been used, it blinks with frames 8..15, the others go on with 0..7,
    // and all of them wait at most 7 frames.
    s.TerminalBlinkMask = 7;
    const int other = CellAt(s, 1, 1);
    s.TerminalBlinkTimer[static_cast<size_t>(p)] = 8;
    s.TerminalBlinkTimer[static_cast<size_t>(other)] = 5;
    s.PlayField16[p] = 19;
    s.PlayField16[other] = 19;
    int expected[2] = {8, 5};
    int last[2] = {-1, -1};
    for (int f = 0; f < 200; ++f) {
        for (int t = 0; t < 2; ++t) {
            const int cell = t == 0 ? p : other;
            view.drawn.clear();
            const std::vector<int> next = NextDraws(s, 1);
            subTerminalFrame(s, cell);
            if (view.drawn.empty()) continue;
            if (last[t] >= 0) {
                EXPECT_LE(f - last[t], 8);
            }
            EXPECT_EQ(StateOf(s, cell), -(next[0] & 7));
            expected[t] =
                t == 0 ? (expected[t] == 15 ? 8 : expected[t] + 1) : (expected[t] + 1) % 8;
            EXPECT_EQ(view.drawn[0].sprite, 128 + expected[t]) << t;
            last[t] = f;
        }
    }
    EXPECT_GE(last[0], 192);
    EXPECT_GE(last[1], 192);
    s.view = nullptr;
}

// Bugs and terminals draw from the generator in the order of their cells within a frame.
TEST(RandomDraws, BugsAndTerminalsDrawInCellOrder) {
    test::LevelOptions o;
    o.seed = 777;
    GameState s =
        MakeLevel({"#######", "#T.b..#", "#.b.T.#", "#b....#", "#######", "#M#####", "#######"}, o);
    const int cells[] = {CellAt(s, 1, 1), CellAt(s, 3, 1), CellAt(s, 2, 2), CellAt(s, 4, 2),
                         CellAt(s, 1, 3)};
    for (int c : cells)
        if ((s.PlayField16[c] & 0xFF) == 25) s.PlayField16[c] = 0x0D19;  // last spark frame
    const std::vector<int> draws = NextDraws(s, 5);
    test::Step(s);
    for (int i = 0; i < 5; ++i) {
        const int c = cells[i];
        if ((s.PlayField16[c] & 0xFF) == 25) {
            EXPECT_EQ(StateOf(s, c), -32 - draws[static_cast<size_t>(i)] % 64) << i;
        } else {
            EXPECT_EQ(StateOf(s, c), -(draws[static_cast<size_t>(i)] & 127)) << i;
        }
    }
}

// Everything a run can observe, frame by frame, in a level with bugs, terminals and enemies.
struct Trace {
    std::vector<uint64_t> fields;
    std::vector<uint16_t> seeds;
    std::vector<std::vector<uint8_t>> blinks;
    bool operator==(const Trace&) const = default;
};

Trace TraceRun(uint16_t seed, GameView* view, int16_t noDisplay) {
    test::LevelOptions o;
    o.seed = seed;
    GameState s = MakeLevel({"##########", "#T.b.T.bb#", "#b.T.b.T.#", "#.b.S..T.#", "#e.......#",
                             "##########", "#M########", "##########"},
                            o);
    s.view = view;
    s.NoDisplay = noDisplay;
    Trace t;
    for (int f = 0; f < 400; ++f) {
        test::Step(s);
        t.fields.push_back(FieldHash(s));
        t.seeds.push_back(s.RandomSeed);
        t.blinks.push_back(s.TerminalBlinkTimer);
    }
    return t;
}

TEST(RandomDraws, SameSeedSameRunWhateverIsDisplayed) {
    test::RecordingView view;
    const Trace headless = TraceRun(4321, nullptr, 0);
    EXPECT_EQ(TraceRun(4321, &view, 0), headless);
    EXPECT_FALSE(view.drawn.empty());
    test::RecordingView hidden;
    EXPECT_EQ(TraceRun(4321, &hidden, -1), headless);
    EXPECT_TRUE(hidden.drawn.empty());
    // Another seed gives another run.
    const Trace other = TraceRun(4322, nullptr, 0);
    EXPECT_NE(other.seeds, headless.seeds);
    EXPECT_NE(other.fields, headless.fields);
}

}  // namespace
}  // namespace tsn
