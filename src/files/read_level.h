#pragma once
// The one entry point through which a level is loaded from any kind of level file.
#include <string>

#include "files/file_error.h"

namespace tsn {

struct GameState;
struct LevelSource;

// The file ReadLevel reads. Outside the editor, or when ReloadFromLevelFile is set: the level
// and demo of the last finished run (LastRunFile) when there is one, else the file of a running
// demo-folder check (DemoFolderFile), else `name`, or CurrentLevelFile when `name` is empty.
// In the editor otherwise: the editor's working file.
std::string ChooseLevelFile(const GameState& s, const LevelSource& source,
                            const std::string& name);

// Loads level CurrentLevelNumber of the chosen file into the current level: "*.tsn" (level 1
// of the container), "*.qv", and any other name as a level set (at the level last chosen in the
// list on a `restart`). Clears ReloadFromLevelFile. Success sets LevelLoaded. A failed read
// leaves the previously loaded level in place exactly as it was, clears LevelLoaded (so callers
// see the failure) and returns the error.
FileStatus ReadLevel(GameState& s, LevelSource& source, const std::string& name,
                     bool restart = false);

}  // namespace tsn
