// Bugs and terminals: spark and blink timing, their draws from the random generator and the
// bug's sound.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "elements/elements.h"
#include "engine/animation.h"
#include "engine/field_hash.h"
#include "engine/random.h"
#include "scenario.h"

namespace tsn {
namespace {

using namespace test;

int StateOf(const GameState& s, int cell) {
    return static_cast<int8_t>(static_cast<uint8_t>(s.PlayField16[cell] >> 8));
}

// The values the generator will hand out next, without touching the state.
std::vector<int> NextDraws(const GameState& s, int n) {
    GameState copy;
    copy.RandomSeed = s.RandomSeed;
    std::vector<int> out;
    for (int i = 0; i < n; ++i) out.push_back(RandomNumber(copy));
    return out;
}

const std::vector<std::string> kRoom = {"#######", "#.....#", "#.....#", "#.....#",
                                        "#######", "#M#####", "#######"};

// A room with one element at (3,2) and Murphy walled in below.
GameState Room(char element, uint16_t seed = 1234) {
    std::string middle = "#.....#";
    middle[3] = element;
    return MakeLevel({"#######", "#.....#", middle, "#.....#", "#######", "#M#####", "#######"},
                     {.seed = seed});
}

// One call of the bug's frame procedure at frame `f`.
void BugAt(GameState& s, int p, int f) {
    s.FrameCounter = f * kFixedOne;
    subBugFrame(s, p);
}

TEST(Bugs, SparkAtOnceThenRestARandomTime) {
    GameState s = Room('b');
    RecordingView view;
    s.view = &view;
    const int p = CellAt(s, 3, 2);
    const uint16_t seed = s.RandomSeed;
    // A fresh bug counts 1..13 on every fourth frame, showing its spark frames, drawing nothing
    // from the generator.
    for (int f = 0; f <= 48; ++f) {
        BugAt(s, p, f);
        EXPECT_EQ(StateOf(s, p), f / 4 + 1) << f;
    }
    EXPECT_EQ(s.RandomSeed, seed);
    ASSERT_EQ(view.drawn.size(), 13u);
    for (size_t i = 0; i < view.drawn.size(); ++i)
        EXPECT_EQ(view.drawn[i], (DrawnSprite{96, 64, BugFrames[i + 1]}));
    // After frame 13 it rests 32..95 steps, drawn from the generator once; resting, it is not
    // drawn and draws nothing; it sparks again from frame 0.
    view.drawn.clear();
    const int rest = -32 - NextDraws(s, 1)[0] % 64;
    BugAt(s, p, 52);
    EXPECT_EQ(StateOf(s, p), rest);
    const uint16_t afterOneDraw = s.RandomSeed;
    for (int step = rest + 1, f = 56; step <= 0; ++step, f += 4) {
        BugAt(s, p, f);
        EXPECT_EQ(StateOf(s, p), step);
    }
    EXPECT_EQ(s.RandomSeed, afterOneDraw);
    ASSERT_EQ(view.drawn.size(), 1u);
    EXPECT_EQ(view.drawn[0].sprite, BugFrames[0]);
    GameState check;
    check.RandomSeed = seed;
    RandomNumber(check);
    EXPECT_EQ(afterOneDraw, check.RandomSeed);  // exactly one draw
    s.view = nullptr;
    // Over many seeds the rests cover 32..95 steps.
    int shortest = 1000, longest = 0;
    for (int seed16 = 0; seed16 < 2000; ++seed16) {
        s.RandomSeed = static_cast<uint16_t>(seed16 * 31);
        const int next = NextDraws(s, 1)[0];
        s.PlayField16[p] = 0x0D19;
        BugAt(s, p, 0);
        ASSERT_EQ(StateOf(s, p), -32 - next % 64);
        shortest = std::min(shortest, -StateOf(s, p));
        longest = std::max(longest, -StateOf(s, p));
    }
    EXPECT_EQ(shortest, 32);
    EXPECT_EQ(longest, 95);
}

TEST(Bugs, SoundOnlyWhileSparkingWithMurphyAround) {
    struct Case {
        int mx, my;    // Murphy's cell
        uint16_t bug;  // the bug's cell
        int frame, sounds;
    };
    const Case cases[] = {
        // Any of the eight neighbours, Murphy even while moving.
        {2, 1, 0x19, 0, 1},   {3, 1, 0x19, 0, 1}, {4, 1, 0x19, 0, 1},
        {2, 2, 0x19, 0, 1},   {4, 2, 0x19, 0, 1}, {2, 3, 0x19, 0, 1},
        {3, 3, 0x19, 0, 1},   {4, 3, 0x19, 0, 1}, {5, 2, 0x19, 0, 0},  // two cells away
        {4, 2, 0xF019, 0, 0},                                          // resting
        {4, 2, 0x19, 2, 0},  // not a fourth frame: nothing happens
    };
    for (const Case& c : cases) {
        std::vector<Check> then = {Heard(Sample::Bug, c.sounds)};
        if (c.frame % 4 != 0) then.push_back(CellIs(3, 2, c.bug));
        RunScenario(Play("Murphy at " + std::to_string(c.mx) + "," + std::to_string(c.my), kRoom,
                         Given({CellIs(c.mx, c.my, 0x0203), CellIs(3, 2, c.bug)}),
                         Call(subBugFrame, 3, 2, c.frame, then)));
    }
}

// Calls a terminal's frame procedure `frames` times and checks every blink: one draw from
// the generator giving the next wait (masked), the next blink frame (wrapping within `first`
// .. first + 7), a wait of at most `maxGap` frames between blinks; returns the blinks seen.
int ExpectBlinks(GameState& s, int p, int frames, int first, int mask, int maxGap) {
    RecordingView view;
    s.view = &view;
    int blink = s.TerminalBlinkTimer[static_cast<size_t>(p)];
    int last = -1, blinks = 0, wait = -1;
    for (int f = 0; f < frames; ++f) {
        const int next = NextDraws(s, 1)[0];
        const uint16_t seed = s.RandomSeed;
        view.drawn.clear();
        s.FrameCounter = f * kFixedOne;
        subTerminalFrame(s, p);
        if (view.drawn.empty()) {
            EXPECT_EQ(s.RandomSeed, seed);
            continue;
        }
        if (last >= 0) {
            EXPECT_LE(f - last, maxGap);
            if (mask == 127) {
                EXPECT_EQ(f - last, wait + 1) << f;
            }
        }
        wait = next & mask;
        EXPECT_EQ(StateOf(s, p), -wait);
        blink = blink + 1 == first + 8 ? first : blink + 1;
        EXPECT_EQ(s.TerminalBlinkTimer[static_cast<size_t>(p)], blink);
        EXPECT_EQ(view.drawn.size(), 1u);
        EXPECT_EQ(view.drawn[0], (DrawnSprite{s.CellPixelX(p), s.CellPixelY(p), 128 + blink}));
        last = f;
        ++blinks;
    }
    s.view = nullptr;
    EXPECT_GE(last, frames - maxGap);
    return blinks;
}

TEST(Terminals, BlinkAfterARandomWaitAndWrapTheirFrames) {
    GameState s = Room('T');
    const int p = CellAt(s, 3, 2);
    // Unused: waits of 0..127 frames; the frames have wrapped from 7 to 0 at least twice.
    EXPECT_GT(ExpectBlinks(s, p, 2000, 0, 127, 128), 16);
    // Once a terminal has been used, it blinks with frames 8..15, the others go on with 0..7,
    // and all of them wait at most 7 frames.
    s.TerminalBlinkMask = 7;
    const int other = CellAt(s, 1, 1);
    Write(s, {CellIs(3, 2, 19), CellIs(1, 1, 19)});
    s.TerminalBlinkTimer[static_cast<size_t>(p)] = 8;
    s.TerminalBlinkTimer[static_cast<size_t>(other)] = 5;
    ExpectBlinks(s, p, 200, 8, 7, 8);
    ExpectBlinks(s, other, 200, 0, 7, 8);
}

// Bugs and terminals draw from the generator in the order of their cells within a frame.
TEST(RandomDraws, BugsAndTerminalsDrawInCellOrder) {
    GameState s =
        MakeLevel({"#######", "#T.b..#", "#.b.T.#", "#b....#", "#######", "#M#####", "#######"},
                  {.seed = 777});
    const int cells[] = {CellAt(s, 1, 1), CellAt(s, 3, 1), CellAt(s, 2, 2), CellAt(s, 4, 2),
                         CellAt(s, 1, 3)};
    for (int c : cells)
        if ((s.PlayField16[c] & 0xFF) == 25) s.PlayField16[c] = 0x0D19;  // last spark frame
    const std::vector<int> draws = NextDraws(s, 5);
    Step(s);
    for (size_t i = 0; i < 5; ++i) {
        const bool bug = (s.PlayField16[cells[i]] & 0xFF) == 25;
        EXPECT_EQ(StateOf(s, cells[i]), bug ? -32 - draws[i] % 64 : -(draws[i] & 127)) << i;
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
    GameState s = MakeLevel({"##########", "#T.b.T.bb#", "#b.T.b.T.#", "#.b.S..T.#", "#e.......#",
                             "##########", "#M########", "##########"},
                            {.seed = seed});
    s.view = view;
    s.NoDisplay = noDisplay;
    Trace t;
    for (int f = 0; f < 400; ++f) {
        Step(s);
        t.fields.push_back(FieldHash(s));
        t.seeds.push_back(s.RandomSeed);
        t.blinks.push_back(s.TerminalBlinkTimer);
    }
    return t;
}

TEST(RandomDraws, SameSeedSameRunWhateverIsDisplayed) {
    RecordingView view;
    const Trace headless = TraceRun(4321, nullptr, 0);
    EXPECT_EQ(TraceRun(4321, &view, 0), headless);
    EXPECT_FALSE(view.drawn.empty());
    RecordingView hidden;
    EXPECT_EQ(TraceRun(4321, &hidden, -1), headless);
    EXPECT_TRUE(hidden.drawn.empty());
    // Another seed gives another run.
    const Trace other = TraceRun(4322, nullptr, 0);
    EXPECT_NE(other.seeds, headless.seeds);
    EXPECT_NE(other.fields, headless.fields);
}

}  // namespace
}  // namespace tsn
