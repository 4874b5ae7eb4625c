#include "files/last_run.h"

#include "engine/game_state.h"
#include "files/tsn_file.h"

namespace tsn {

FileStatus WriteLastRun(GameState& s, const std::string& path, const SaveOptions& options) {
    s.Info.setRandomSeed(s.StartRandomSeed);
    FileStatus saved = SaveTSN(s, path, true, false, options);
    if (!saved) return saved;
    s.LastRunFile = path;
    s.LevelHasDemo = true;
    return saved;
}

}  // namespace tsn
