#pragma once
// Keeping the last run: after a normal run the level and the demo just recorded are written to
// a temporary container, which the next load of the level prefers (it brings the demo back).
#include <string>

#include "files/demo_block.h"
#include "files/file_error.h"

namespace tsn {

struct GameState;
struct LevelSource;

// Stores StartRandomSeed in the info block's seed word, writes the current level with the
// recorded demo to `path` as a one-level container (the current level file stays current),
// and on success records `path` as LastRunFile and marks the level as carrying a demo.
FileStatus WriteLastRun(GameState& s, LevelSource& source, const std::string& path,
                        const SaveOptions& options);

}  // namespace tsn
