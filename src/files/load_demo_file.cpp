#include "files/load_demo_file.h"

#include <cctype>

#include "engine/game_state.h"
#include "files/byte_source.h"
#include "files/level_file_limit.h"
#include "files/path_names.h"
#include "files/tsn_header.h"

namespace tsn {

bool IsRecordFileName(const std::string& path) {
    if (ExtensionOf(path) == "qv") return true;
    if (path.size() < 3) return false;
    const std::string last = ToLower(path.substr(path.size() - 3));
    if (last == "dat") return true;
    return last[0] == 'd' && std::isdigit(static_cast<unsigned char>(last[1])) &&
           std::isdigit(static_cast<unsigned char>(last[2]));
}

FileStatus LoadDemoFile(GameState& s, const std::string& path) {
    const bool container = ExtensionOf(path) == "tsn";
    if (!container && !IsRecordFileName(path)) return FileError{"LoadDemoFile", 0, ""};
    FileSource src;
    if (!src.Open(path)) {
        return FileError{"LoadDemoFile", 1, "Cannot open " + path + ": " + src.LastError()};
    }
    if (container) {
        auto header = ParseTsnHeader(src, "LoadDemoFile", true);
        if (!header) return header.error();
        auto level = ParseTsnLevel(src, *header, 1, "LoadDemoFile");
        if (!level) return level.error();
        s.Info = level->info;
        return {};
    }
    if (src.Size() < 1) return FileError{"LoadDemoFile", 0, "The file is empty"};
    if (auto st = CheckLevelFileSize(src.Size(), "LoadDemoFile"); !st) return st;
    LevelInfo info;
    if (src.ReadPresent(kStandardRecordSize - kLevelInfoSize, kLevelInfoSize, info.bytes.data()) < 0) {
        return FileError{"LoadDemoFile", 2, "Cannot read " + path + ": " + src.LastError()};
    }
    s.Info = info;
    return {};
}

}  // namespace tsn
