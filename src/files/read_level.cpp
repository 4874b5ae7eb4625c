#include "files/read_level.h"

#include "engine/game_state.h"
#include "files/level_set_file.h"
#include "files/path_names.h"
#include "files/qv_file.h"
#include "files/tsn_file.h"

namespace tsn {

std::string ChooseLevelFile(const GameState& s, const std::string& name) {
    if (s.EditorActive && !s.ReloadFromLevelFile) return s.EditorWorkFile;
    if (!s.LastRunFile.empty()) return s.LastRunFile;
    if (!s.DemoFolderFile.empty()) return s.DemoFolderFile;
    return name.empty() ? s.CurrentLevelFile : name;
}

FileStatus ReadLevel(GameState& s, const std::string& name) {
    const std::string path = ChooseLevelFile(s, name);
    s.ReloadFromLevelFile = false;
    if (path.empty()) {
        s.LevelLoaded = false;
        return FileError{"ReadLevel", 0, "No level file is chosen"};
    }
    const std::string ext = ExtensionOf(path);
    if (ext == "tsn") return ReadTSN(s, path);
    if (ext == "qv") return ReadQV(s, path);
    return ReadLevelSet(s, path);
}

}  // namespace tsn
