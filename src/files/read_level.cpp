#include "files/read_level.h"

#include "engine/game_state.h"
#include "files/level_set_file.h"
#include "files/level_source.h"
#include "files/path_names.h"
#include "files/qv_file.h"
#include "files/tsn_file.h"

namespace tsn {

std::string ChooseLevelFile(const GameState& s, const LevelSource& source,
                            const std::string& name) {
    if (source.EditorActive && !source.ReloadFromLevelFile) return source.EditorWorkFile;
    if (!source.LastRunFile.empty()) return source.LastRunFile;
    if (!source.DemoFolderFile.empty()) return source.DemoFolderFile;
    return name.empty() ? s.CurrentLevelFile : name;
}

FileStatus ReadLevel(GameState& s, LevelSource& source, const std::string& name, bool restart) {
    const std::string path = ChooseLevelFile(s, source, name);
    source.ReloadFromLevelFile = false;
    if (path.empty()) {
        s.LevelLoaded = false;
        return FileError{"ReadLevel", 0, "No level file is chosen"};
    }
    const std::string ext = ExtensionOf(path);
    if (ext == "tsn") return ReadTSN(s, path);
    if (ext == "qv") return ReadQV(s, path);
    return ReadLevelSet(s, path, restart);
}

}  // namespace tsn
