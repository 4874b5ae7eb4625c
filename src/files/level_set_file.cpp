#include "files/level_set_file.h"

#include <algorithm>

#include "engine/game_state.h"
#include "files/level_file_limit.h"
#include "files/saved_info.h"

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

FileResult<std::vector<uint8_t>> BuildLevelSetWithLevel(ByteSource& set, int n, const GameState& s,
                                                        const SaveOptions& options) {
    constexpr const char* kProcedure = "SaveLevelSetLevel";
    if (s.FieldWidth != kStandardWidth || s.FieldHeight != kStandardHeight ||
        s.FieldBytes.size() != static_cast<size_t>(kStandardWidth * kStandardHeight)) {
        return FileError{kProcedure, 0, "A level set holds only 60 x 24 levels"};
    }
    if (auto st = CheckLevelFileSize(set.Size(), kProcedure); !st) return st.error();
    const int listed = LevelSetListCount(set.Size());
    if (n < 1 || n > listed) {
        return FileError{kProcedure, 0, "Level " + std::to_string(n) + " is not in the set (it lists " +
                                            std::to_string(listed) + ")"};
    }
    std::vector<uint8_t> bytes(static_cast<size_t>(set.Size()));
    if (!set.Read(0, bytes.size(), bytes.data())) return FileError{kProcedure, 1, "Cannot read the set: " + set.LastError()};
    std::vector<uint8_t> record = FieldCodesForFile(s.FieldBytes);
    const LevelInfo info = InfoForSave(s, options.quickSaveUsed);
    record.insert(record.end(), info.bytes.begin(), info.bytes.end());
    const size_t start = static_cast<size_t>(kStandardRecordSize) * static_cast<size_t>(n - 1);
    if (bytes.size() < start + record.size()) bytes.resize(start + record.size());
    std::copy(record.begin(), record.end(), bytes.begin() + static_cast<std::ptrdiff_t>(start));
    return bytes;
}

}  // namespace tsn
