// tessarin-cli trace: one line of engine state per frame, for finding where two runs part.
#include <cinttypes>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/printable.h"
#include "engine/field_hash.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "run/run_setup.h"

namespace tsn::cli {

namespace {

constexpr const char* kUsage =
    "usage: tessarin-cli trace [--level N] [--demo | --actions DIGITS [--seed S]] "
    "[--frames MAX] [--rules RULES] [--] FILE\n"
    "   or: tessarin-cli trace FILE [--level N] [--demo | --actions DIGITS [--seed S]] "
    "[--frames MAX] [--rules RULES]\n";

struct TraceArgs {
    std::string file;
    int level = 1;
    bool demo = false;
    bool actionsGiven = false;
    bool seedGiven = false;
    std::string actions;
    long seed = 0;
    long long maxFrames = 200000;
    RunRules rules;
};

bool ParseArgs(const Args& args, TraceArgs& t) {
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || a == "--") {
            if (options) options = false;
            else if (t.file.empty()) t.file = a;
            else return false;
            continue;
        }
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        std::string v;
        long long n = 0;
        if (a == "--demo") {
            t.demo = true;
        } else if (a == "--level") {
            if (!value(v) || !ParseNumber(v, 1, 255, n)) return false;
            t.level = static_cast<int>(n);
        } else if (a == "--actions") {
            if (!value(v)) return false;
            for (char c : v)
                if (c < '0' || c > '9') return false;
            t.actions = v;
            t.actionsGiven = true;
        } else if (a == "--seed") {
            if (!value(v) || !ParseNumber(v, 0, 65535, n)) return false;
            t.seed = static_cast<long>(n);
            t.seedGiven = true;
        } else if (a == "--rules") {
            if (!value(v) || !ParseRules(v, t.rules)) return false;
        } else if (a == "--frames") {
            if (!value(v) || !ParseNumber(v, 0, INT64_MAX / kFixedOne, n)) return false;
            t.maxFrames = n;
        } else if (!a.empty() && a[0] == '-') {
            return false;
        } else if (t.file.empty()) {
            t.file = a;
        } else {
            return false;
        }
    }
    if (t.demo && (t.actionsGiven || t.seedGiven)) return false;
    return !t.file.empty();
}

}  // namespace

int Trace(const Args& args) {
    TraceArgs t;
    if (!ParseArgs(args, t)) {
        std::fputs(kUsage, stderr);
        return 2;
    }
    GameState s;
    RunSetup setup;
    setup.file = t.file;
    setup.level = t.level;
    setup.demo = t.demo;
    if (!t.demo) setup.seed = static_cast<uint16_t>(t.seed);
    setup.rules = t.rules;
    const FileStatus read = PrepareRun(s, setup);
    if (!read) {
        std::fprintf(stderr, "tessarin-cli trace: %s\n", PrintableError(read.error()).c_str());
        return 1;
    }
    if (t.demo && !s.LevelHasDemo) {
        std::fprintf(stderr, "tessarin-cli trace: %s: Demo not found!\n", PrintablePath(t.file).c_str());
        return 1;
    }
    BeginRun(s);

    std::printf("# frame murphy input infotrons reddisks seed solved leadout steps fieldhash\n");
    const auto actions = [&t](int64_t frame) {
        return frame < static_cast<int64_t>(t.actions.size())
                   ? t.actions[static_cast<size_t>(frame)] - '0'
                   : 0;
    };
    const auto line = [](const GameState& g) {
        std::printf("%" PRId64 " %d %d %d %d %u %u %d %d %016" PRIx64 "\n", g.Frames(),
                    g.MurphyPos, g.MurphyInput, g.InfotronsNeeded, g.RedDiskCount,
                    static_cast<unsigned>(g.RandomSeed), static_cast<unsigned>(g.LevelSolved),
                    g.LeadOutCounter, g.StepCount, FieldHash(g));
    };
    const auto r = RunHeadless(s, actions, t.maxFrames, line);
    std::printf("end frames=%" PRId64 " solved=%d steps=%d\n", r.frames, r.solved ? 1 : 0, r.steps);
    return 0;
}

}  // namespace tsn::cli
