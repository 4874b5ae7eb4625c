#include "solution_run.h"

#include <algorithm>
#include <cstdio>

#include "engine/cell_markers.h"
#include "engine/element_codes.h"
#include "engine/run.h"
#include "files/level_set_file.h"
#include "run/run_setup.h"
#include "level_source.h"
#include "path_finder.h"

namespace tsn::levels {

namespace {

// Frames a move may wait for its way to clear before the script counts as stuck.
constexpr int kMaxWaitForStart = 600;

char SymbolOf(uint16_t v) {
    if (v == kLeaving || v == kRollTarget || v == kFallTarget || v == kRollLeaving) return ',';
    const int code = v & 0xFF;
    if (code == kExplosion) return '%';
    if (code == 0 && v != 0) return ',';
    if (code == kEnemyTrailCode) return ',';
    for (const auto& e : LevelLegend())
        if (e.code == code) return e.symbol;
    return '?';
}

bool AtRest(const GameState& s) { return s.PlayField16[s.MurphyPos] == 3; }
bool MurphyGone(const GameState& s) { return (s.PlayField16[s.MurphyPos] & 0xFF) != 3; }

}  // namespace

std::string DescribeField(const GameState& s) {
    std::string out;
    char head[160];
    std::snprintf(head, sizeof head, "frame %lld, Murphy at column %d row %d, Infotrons needed %d, red disks %d\n",
                  static_cast<long long>(s.Frames()), s.MurphyPos % s.FieldWidth, s.MurphyPos / s.FieldWidth,
                  s.InfotronsNeeded, s.RedDiskCount & 0xFF);
    out += head;
    // The cells within 3 rows and 10 columns of Murphy, each row headed by its number.
    const int mx = s.MurphyPos % s.FieldWidth;
    const int my = s.MurphyPos / s.FieldWidth;
    const int x0 = std::max(0, mx - 10);
    const int x1 = std::min<int>(s.FieldWidth - 1, mx + 10);
    out += "around Murphy (columns " + std::to_string(x0) + " to " + std::to_string(x1) + "):\n";
    for (int y = std::max(0, my - 3); y <= std::min<int>(s.FieldHeight - 1, my + 3); ++y) {
        char row[8];
        std::snprintf(row, sizeof row, "%3d  ", y);
        out += row;
        for (int x = x0; x <= x1; ++x) out += SymbolOf(s.PlayField16[y * s.FieldWidth + x]);
        out += '\n';
    }
    out += "the whole field:\n";
    for (int y = 0; y < s.FieldHeight; ++y) {
        for (int x = 0; x < s.FieldWidth; ++x) out += SymbolOf(s.PlayField16[y * s.FieldWidth + x]);
        out += '\n';
    }
    return out;
}

ScriptRun PlayScript(GameState& s, std::span<const uint8_t> set, int number, uint16_t seed,
                     const std::vector<ScriptStep>& script, size_t stopAfter, int64_t maxTailFrames) {
    ScriptRun r;
    s.clock = [] { return int32_t{0}; };
    RunSetup setup;
    setup.read = [set](GameState& g) { return ReadLevelSet(g, set); };
    setup.level = number;
    setup.seed = seed;
    if (!PrepareRun(s, setup)) {
        r.failure = "level " + std::to_string(number) + " is not in the set";
        return r;
    }
    BeginRun(s);

    bool ended = false;
    auto frame = [&](int input) {
        ended = RunOneFrame(s, input);
        return ended;
    };
    auto fail = [&](const std::string& why) {
        r.failure = why + "\n" + DescribeField(s);
    };

    // One move of Murphy: wait until it starts, then until he is at rest again.
    const auto play = [&](int input, bool layDisk, const std::string& where) {
        if (!AtRest(s)) return fail(where + ": Murphy is not at rest"), false;
        if (layDisk && !frame(0) && !AtRest(s)) return fail(where + ": Murphy did not stay at rest"), false;
        bool started = false;
        for (int waited = 0; !ended; ++waited) {
            frame(input);
            if (ended) break;
            if (MurphyGone(s)) return fail(where + ": Murphy died"), false;
            if (!started) {
                if (!AtRest(s)) started = true;
                else if (waited >= kMaxWaitForStart) return fail(where + ": the move never started"), false;
                else continue;
            }
            if (AtRest(s)) break;
        }
        return true;
    };

    for (size_t n = 0; n < script.size() && n < stopAfter && !ended; ++n) {
        const ScriptStep& step = script[n];
        const std::string where = "step " + std::to_string(n + 1) + " '" + step.text + "'";
        if (step.kind == ScriptStep::Kind::Goto) {
            const int target = s.CellIndex(step.column, step.row);
            const std::vector<int> path = FindPath(s, target);
            if (path.empty() && target != s.MurphyPos) {
                fail(where + ": no safe way from column " + std::to_string(s.MurphyPos % s.FieldWidth) + " row " +
                     std::to_string(s.MurphyPos / s.FieldWidth));
                return r;
            }
            for (size_t i = 0; i < path.size() && !ended; ++i)
                if (!play(path[i], false, where + " (move " + std::to_string(i + 1) + " of " +
                                              std::to_string(path.size()) + ")"))
                    return r;
        } else if (step.kind != ScriptStep::Kind::Action) {
            const int input = step.kind == ScriptStep::Kind::Wait ? 0 : step.input;
            for (int i = 0; i < step.count && !ended; ++i) frame(input);
        } else {
            for (int i = 0; i < step.count && !ended; ++i)
                if (!play(step.input, step.layDisk, where)) return r;
        }
        if (!ended && MurphyGone(s)) {
            fail(where + ": Murphy died");
            return r;
        }
        r.stepsDone = n + 1;
    }
    if (ended && s.LevelSolved != 1) {
        EndRun(s);
        r.frames = s.Frames();
        fail("the run ended without the exit: Murphy died");
        return r;
    }
    if (stopAfter < script.size()) {
        EndRun(s);
        r.frames = s.Frames();
        r.failure = "stopped after " + std::to_string(stopAfter) + " steps\n" + DescribeField(s);
        return r;
    }
    for (int64_t i = 0; i < maxTailFrames && !ended; ++i) frame(0);
    EndRun(s);
    r.frames = s.Frames();
    r.solved = s.LevelSolved == 1 && ended && s.MurphyKilled == 0;
    if (!r.solved) fail(ended ? "the run ended without the exit" : "the script ends before the exit");
    return r;
}

}  // namespace tsn::levels
