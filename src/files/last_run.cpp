#include "files/last_run.h"

#include "engine/game_state.h"
#include "files/level_source.h"
#include "files/tsn_file.h"

namespace tsn {

FileStatus WriteLastRun(GameState& s, LevelSource& source, const std::string& path,
                        const SaveOptions& options) {
    s.Info.setRandomSeed(s.StartRandomSeed);
    FileStatus saved = SaveTSN(s, path, true, false, options);
    if (!saved) return saved;
    source.LastRunFile = path;
    s.LevelHasDemo = true;
    return saved;
}

}  // namespace tsn
