#include "test_level.h"

#include <stdexcept>

#include "engine/frame_step.h"
#include "engine/level_start.h"
#include "run/run_setup.h"

namespace tsn::test {

namespace {
struct Legend {
    char c;
    int code;
};
constexpr Legend kLegend[] = {
    {'.', 0},  {'Z', 1},  {'+', 2},  {'M', 3},  {'I', 4},  {'R', 5},   {'#', 6},
    {'E', 7},  {'O', 8},  {'>', 9},  {'v', 10}, {'<', 11}, {'^', 12},  {'}', 13},
    {'w', 14}, {'{', 15}, {'m', 16}, {'S', 17}, {'Y', 18}, {'T', 19},  {'D', 20},
    {'|', 21}, {'-', 22}, {'*', 23}, {'e', 24}, {'b', 25}, {'W', 40},  {'x', 241},
};
}  // namespace

int CodeOf(char c) {
    for (const auto& l : kLegend)
        if (l.c == c) return l.code;
    throw std::invalid_argument(std::string("unknown map character '") + c + "'");
}

char CharOf(uint16_t v) {
    for (const auto& l : kLegend)
        if (l.code == v) return l.c;
    return '?';
}

void LoadMap(GameState& s, const std::vector<std::string>& rows, const LevelOptions& o) {
    const int h = static_cast<int>(rows.size());
    const int w = h > 0 ? static_cast<int>(rows[0].size()) : 0;
    s.LevelBufferUpper = w * h + kLevelInfoSize - 1;
    s.SetGeometry(w, h);
    s.Info = LevelInfo{};
    s.Info.setTitle("TEST LEVEL");
    s.Info.setGravity(o.gravity);
    s.Info.setFrozenZonks(o.frozenZonks);
    s.Info.setInfotronsNeeded(o.infotronsNeeded);
    s.Info.bytes[LevelInfo::kSpecialPortCountOffset] = static_cast<uint8_t>(o.specialPorts.size());
    for (size_t n = 0; n < o.specialPorts.size(); ++n)
        s.Info.setSpecialPort(static_cast<int>(n), o.specialPorts[n]);
    for (int y = 0; y < h; ++y) {
        if (static_cast<int>(rows[static_cast<size_t>(y)].size()) != w)
            throw std::invalid_argument("map rows differ in length");
        for (int x = 0; x < w; ++x) {
            const int code = CodeOf(rows[static_cast<size_t>(y)][static_cast<size_t>(x)]);
            s.PlayField16[y * w + x] = static_cast<uint16_t>(code);
            s.FieldBytes[static_cast<size_t>(y * w + x)] = static_cast<uint8_t>(code);
        }
    }
    for (int i = 0; i < kLevelInfoSize; ++i) s.PlayField16[w * h + i] = s.Info.bytes[static_cast<size_t>(i)];
    s.GravityOn = o.gravity;
    s.ZonksFrozen = o.frozenZonks;
    s.LevelLoaded = true;
    s.NonStandardLevel = !(w == kStandardWidth && h == kStandardHeight);
    s.DemoStartIndex = static_cast<int16_t>(w * h + kLevelInfoSize);
    s.DemoReadIndex = s.DemoStartIndex;
    s.DemoRepeatCount = 0;
}

GameState MakeLevel(const std::vector<std::string>& rows, const LevelOptions& o) {
    GameState s;
    s.clock = [] { return int32_t{0}; };
    LoadMap(s, rows, o);
    RunSetup setup;
    setup.readLevel = false;
    setup.seed = o.seed;
    setup.display = true;  // a test may give the state a view to draw on
    (void)PrepareRun(s, setup);
    StartLevelFromField(s);
    s.LevelSolved = 0;
    s.StepCount = 0;
    return s;
}

std::vector<std::string> Render(const GameState& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.FieldHeight; ++y) {
        std::string row;
        for (int x = 0; x < s.FieldWidth; ++x) row += CharOf(s.PlayField16[y * s.FieldWidth + x]);
        rows.push_back(row);
    }
    return rows;
}

bool Step(GameState& s, int action) {
    TakeFrameInput(s, action);
    return RunFrameWork(s);
}

bool Steps(GameState& s, int frames, int action) {
    for (int i = 0; i < frames; ++i)
        if (Step(s, action)) return true;
    return false;
}

}  // namespace tsn::test
