#include "files/level_set_file.h"

#include "engine/game_state.h"
#include "files/level_file_limit.h"

namespace tsn {

FileResult<LoadedLevel> ParseLevelSetLevel(ByteSource& src, int n, const std::string& procedure) {
    if (auto st = CheckLevelFileSize(src.Size(), procedure); !st) return st.error();
    const int64_t start = static_cast<int64_t>(kStandardRecordSize) * (n - 1);
    if (n < 1 || start >= src.Size()) {
        return FileError{procedure, 0, "Level " + std::to_string(n) + " is not in the file"};
    }
    LoadedLevel level;
    level.fromSet = true;
    level.bytes.assign(kStandardRecordSize, 0);
    if (src.ReadPresent(start, level.bytes.size(), level.bytes.data()) < 0) {
        return FileError{procedure, 2, "Cannot read level " + std::to_string(n) + ": " + src.LastError()};
    }
    std::copy_n(level.bytes.begin() + kStandardRecordSize - kLevelInfoSize, kLevelInfoSize,
                level.info.bytes.begin());
    return level;
}

int LevelSetListCount(int64_t fileSize) {
    int64_t n = fileSize / kStandardRecordSize;
    if (n < 1) n = 1;
    return n > 32767 ? 32767 : static_cast<int>(n);
}

namespace {

FileStatus ReadFrom(GameState& s, ByteSource& src) {
    // No demo comes from a set: every run of a set level starts from the clock.
    return CommitParsedLevel(s, ParseLevelSetLevel(src, s.CurrentLevelNumber, "ReadLevel"),
                             false);
}

FileStatus ReadChosenFrom(GameState& s, ByteSource& src) {
    s.CurrentLevelNumber = s.LoadedLevelNumber;
    return ReadFrom(s, src);
}

}  // namespace

FileStatus ReadLevelSet(GameState& s, const std::string& path, bool restart) {
    return ReadLevelFile(s, path, "ReadLevel", restart ? ReadChosenFrom : ReadFrom);
}

FileStatus ReadLevelSet(GameState& s, std::span<const uint8_t> data, bool restart) {
    return ReadLevelBytes(s, data, restart ? ReadChosenFrom : ReadFrom);
}

}  // namespace tsn
