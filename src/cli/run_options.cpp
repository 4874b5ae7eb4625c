#include "cli/run_options.h"

#include "cli/printable.h"
#include "engine/game_state.h"

namespace tsn::cli {

OptionUse TakeRunOption(const Args& args, size_t& i, RunOptions& out) {
    const std::string& a = args[i];
    if (a == "--demo") {
        out.demo = true;
        return OptionUse::kTaken;
    }
    if (a != "--level" && a != "--actions" && a != "--seed" && a != "--rules") return OptionUse::kNotMine;
    if (i + 1 >= args.size()) return OptionUse::kBad;
    const std::string& v = args[++i];
    long long n = 0;
    if (a == "--level") {
        if (!ParseNumber(v, 1, 255, n)) return OptionUse::kBad;
        out.level = static_cast<int>(n);
        out.levelGiven = true;
    } else if (a == "--actions") {
        for (char c : v)
            if (c < '0' || c > '9') return OptionUse::kBad;
        out.actions = v;
        out.actionsGiven = true;
    } else if (a == "--seed") {
        if (!ParseNumber(v, 0, 65535, n)) return OptionUse::kBad;
        out.seed = static_cast<uint16_t>(n);
        out.seedGiven = true;
    } else if (!ParseRules(v, out.rules)) {
        return OptionUse::kBad;
    }
    return OptionUse::kTaken;
}

bool RunOptionsAgree(const RunOptions& o) { return !(o.demo && (o.actionsGiven || o.seedGiven)); }

std::string PrepareOptionsRun(GameState& s, const std::string& file, const RunOptions& o, int level,
                              bool display) {
    RunSetup setup;
    setup.file = file;
    setup.level = level;
    setup.demo = o.demo;
    if (!o.demo) setup.seed = o.seed;
    setup.display = display;
    setup.rules = o.rules;
    if (const FileStatus read = PrepareRun(s, setup); !read) return PrintableError(read.error());
    if (o.demo && !s.LevelHasDemo) return PrintablePath(file) + ": Demo not found!";
    return {};
}

int ActionAt(const RunOptions& o, int64_t frame) {
    return frame >= 0 && frame < static_cast<int64_t>(o.actions.size())
               ? o.actions[static_cast<size_t>(frame)] - '0'
               : 0;
}

}  // namespace tsn::cli
