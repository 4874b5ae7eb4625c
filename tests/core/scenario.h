#pragma once
// A run of a small test level written as data: the map, the level options and cells set by
// hand after the start, then stretches of frames with one input each, each followed by what
// must hold.
#include <string>
#include <utility>
#include <vector>

#include "engine/game_state.h"
#include "engine/view.h"
#include "recording_view.h"
#include "test_level.h"

namespace tsn::test {

// Input codes of the frame.
inline constexpr int kNone = 0, kUp = 1, kLeft = 2, kDown = 3, kRight = 4;
inline constexpr int kSnapUp = 5, kSnapLeft = 6, kSnapDown = 7, kSnapRight = 8, kSpace = 9;

// The state's counters a check may read or write: name, then the value in a state `s`.
#define TSN_TEST_COUNTERS(X)                               \
    X(StepCount, s.StepCount)                              \
    X(InfotronsNeeded, s.InfotronsNeeded)                  \
    X(RedDiskCount, s.RedDiskCount)                        \
    X(RedDiskState, s.RedDiskState)                        \
    X(RedDiskShowCount, s.RedDiskShowCount)                \
    X(LevelSolved, s.LevelSolved)                          \
    X(EndLevelNow, s.EndLevelNow)                          \
    X(LeadOutCounter, s.LeadOutCounter)                    \
    X(IdleCounter, s.IdleCounter)                          \
    X(MurphyInput, s.MurphyInput)                          \
    X(MurphyFacingLeft, s.MurphyFacingLeft)                \
    X(MurphyCoarseX, s.MurphyCoarseX)                      \
    X(MurphySecondSprite, s.MurphySecondSprite)            \
    X(MurphyClearCell, s.MurphyClearCell)                  \
    X(MurphyDownTarget, s.MurphyDownTarget)                \
    X(GravityOn, s.GravityOn)                              \
    X(ZonksFrozen, s.ZonksFrozen)                          \
    X(EnemiesFrozen, s.EnemiesFrozen)                      \
    X(TerminalsUsed, s.TerminalsUsed)                      \
    X(TerminalBlinkMask, s.TerminalBlinkMask)              \
    X(MurphyKilled, s.MurphyKilled)                        \
    X(NoDisplay, s.NoDisplay)                              \
    X(ExplosionInProgress, s.ExplosionInProgress)          \
    X(EatRightRedDiskBug, s.Rules.AllowEatRightRedDiskBug) \
    X(RedDiskCheat, s.Rules.AllowRedDiskCheat)             \
    X(SpecialPortCount, s.Info.bytes[LevelInfo::kSpecialPortCountOffset])

// What a check reads (or, written before frames, sets): the cell probes take a cell (x, y).
enum class Probe {
    CellValue,     // value & mask of the cell
    RowText,       // row y rendered as a map equals `row`
    MurphyCell,    // MurphyPos is the cell
    RedDiskCell,   // RedDiskPos is the cell
    CellTimer,     // the cell's explosion timer, signed
    CellBlink,     // the cell's terminal blink timer
    Sprite,        // sprite `value` drawn at pixel (x, y) during the stretch
    NoSprite,      // nothing drawn during the stretch
    SoundCount,    // sample x played `value` times since the start
    ActionState,   // the high byte of Murphy's cell
    RunLost,       // the end rule has fired and the level is not solved
    RunEnded,      // a frame of the stretch ended the run
    ScreenXMoved,  // MurphyScreenXPos less its value at the start
    FrameCount,
#define TSN_TEST_PROBE(name, value) name,
    TSN_TEST_COUNTERS(TSN_TEST_PROBE)
#undef TSN_TEST_PROBE
};

struct Check {
    Probe probe;
    int value = 0;
    int x = 0;
    int y = 0;
    int mask = 0xFFFF;
    const char* row = nullptr;
};

inline Check Is(Probe counter, int value) {
    return {counter, value};
}
inline Check CellIs(int x, int y, int value) {
    return {Probe::CellValue, value, x, y};
}
inline Check LowIs(int x, int y, int value) {
    return {Probe::CellValue, value, x, y, 0xFF};
}
inline Check Masked(int x, int y, int mask, int value) {
    return {Probe::CellValue, value, x, y, mask};
}
inline Check RowIs(int y, const char* row) {
    return {Probe::RowText, 0, 0, y, 0xFFFF, row};
}
inline Check MurphyAt(int x, int y) {
    return {Probe::MurphyCell, 0, x, y};
}
inline Check RedDiskAt(int x, int y) {
    return {Probe::RedDiskCell, 0, x, y};
}
inline Check TimerIs(int x, int y, int value) {
    return {Probe::CellTimer, value, x, y};
}
inline Check BlinkIs(int x, int y, int value) {
    return {Probe::CellBlink, value, x, y};
}
inline Check Drew(int px, int py, int sprite) {
    return {Probe::Sprite, sprite, px, py};
}
inline Check DrewNothing() {
    return {Probe::NoSprite};
}
inline Check Heard(Sample sample, int times) {
    return {Probe::SoundCount, times, static_cast<int>(sample)};
}

// Writes each check's value into the state: a cell, a cell's timer or a counter.
void Write(GameState& s, const std::vector<Check>& sets);

// What a check may need besides the state: the recorders, Murphy's screen position at the
// start and whether the run has ended.
struct Watch {
    const RecordingView* view = nullptr;
    const RecordingSound* sound = nullptr;
    int startX = 0;
    bool ended = false;
};
void ExpectAll(GameState& s, const std::vector<Check>& checks, const Watch& w = {});

// An element's procedure for one cell, as the frame calls it.
using ElementProc = void (*)(GameState&, int);

// `frames` frames with `action`, or, with `proc`, one call of it on cell (x, y) in frame
// `frame`; then the checks. `before` is written first.
struct Stretch {
    int action;
    int frames;
    std::vector<Check> then;
    std::vector<Check> before;
    ElementProc proc = nullptr;
    int x = 0, y = 0, frame = 0;
};
inline Stretch Hold(int action, int frames, std::vector<Check> then = {},
                    std::vector<Check> before = {}) {
    return {action, frames, std::move(then), std::move(before)};
}
inline Stretch Call(ElementProc proc, int x, int y, int frame, std::vector<Check> then = {},
                    std::vector<Check> before = {}) {
    return {0, 0, std::move(then), std::move(before), proc, x, y, frame};
}

// Written after the level start.
struct Preset {
    std::vector<Check> sets;
};
inline Preset Given(std::vector<Check> sets) {
    return {std::move(sets)};
}

struct Scenario {
    std::string name;
    std::vector<std::string> map;
    std::vector<Stretch> stretches = {};
    LevelOptions options = {};
    std::vector<Check> preset = {};

    void add(const Stretch& st) { stretches.push_back(st); }
    void add(const LevelOptions& o) { options = o; }
    void add(const Preset& p) { preset.insert(preset.end(), p.sets.begin(), p.sets.end()); }
};

// A scenario from its name, its map, then level options, presets and stretches in any order.
template <typename... Parts>
Scenario Play(std::string name, std::vector<std::string> map, const Parts&... parts) {
    Scenario sc{std::move(name), std::move(map)};
    (sc.add(parts), ...);
    return sc;
}

// Starts the level, writes the preset and runs every stretch with a recording view and sound
// attached, expecting each stretch's checks.
void RunScenario(const Scenario& sc);

}  // namespace tsn::test
