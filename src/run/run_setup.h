#pragma once
// Preparing a run: every place that starts one (the window, the batch verifier, the command
// line, the level tools, the benches and the tests) goes through PrepareRun, so that they all
// play by the same rules from the same start.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "engine/run_rules.h"
#include "files/file_error.h"

namespace tsn {

struct GameState;
struct LevelSource;

struct RunSetup {
    // Where the level comes from. With `readLevel`: level `level` (0 keeps CurrentLevelNumber)
    // of `file`, or, by `read`, of a file held in memory (e.g. ReadLevelSet on its bytes), or,
    // with neither, of the file ReadLevel chooses from `source` (the host's: the last run's,
    // the folder verification's or the editor's file) or the current level file. Without it:
    // the level already in the state, as a test or a bench built it.
    bool readLevel = true;
    std::string file;
    std::function<FileStatus(GameState&)> read;
    int level = 0;
    LevelSource* source = nullptr;
    // A restart of the level: a level set is read at the level last chosen in the list.
    bool restart = false;
    // The actions come from the demo stored behind the level (the seed is the demo's).
    bool demo = false;
    // A run on keys or given actions: the random seed, or from the clock when none is given.
    std::optional<uint16_t> seed;
    // False: nothing is drawn (NoDisplay); true leaves the drawing to the window.
    bool display = false;
    RunRules rules;
};

// Sets up the kind of run and its rules and reads the level afresh, so that the run starts
// from the stored level. BeginRun (engine/run.h) then starts it. A failed read is returned;
// the state then has LevelLoaded cleared, as after any failed read.
FileStatus PrepareRun(GameState& s, const RunSetup& setup);

}  // namespace tsn
