#pragma once
// The options that choose a run of a level, shared by the commands that play one:
// --level N, --demo, --actions DIGITS, --seed S and --rules RULES.
#include <cstddef>
#include <cstdint>
#include <string>

#include "cli/commands.h"
#include "run/run_setup.h"

namespace tsn {
struct GameState;
}

namespace tsn::cli {

struct RunOptions {
    int level = 1;
    bool levelGiven = false;
    bool demo = false;
    bool actionsGiven = false;
    bool seedGiven = false;
    std::string actions;  // one digit per frame
    uint16_t seed = 0;
    RunRules rules;
};

enum class OptionUse { kNotMine, kTaken, kBad };

// Takes args[i] when it is one of the run options, with its value (i then points at the
// value); kBad for a missing or malformed value.
OptionUse TakeRunOption(const Args& args, size_t& i, RunOptions& out);

// False when the options contradict each other (--demo with --actions or --seed).
bool RunOptionsAgree(const RunOptions& o);

// Prepares the run of level `level` of `file` the options choose (PrepareRun): its demo, or
// the actions from the given seed, drawn when `display`. The printable failure, or an empty
// text; a demo run of a level without a demo fails "FILE: Demo not found!".
std::string PrepareOptionsRun(GameState& s, const std::string& file, const RunOptions& o, int level,
                              bool display);

// The action of frame `frame` (counted from 0): its digit, 0 beyond the last one.
int ActionAt(const RunOptions& o, int64_t frame);

}  // namespace tsn::cli
