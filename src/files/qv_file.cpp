#include "files/qv_file.h"

#include <algorithm>

#include "engine/game_state.h"
#include "files/level_file_limit.h"
#include "files/safe_write.h"
#include "files/saved_info.h"

namespace tsn {

FileResult<LoadedLevel> ParseQV(ByteSource& src) {
    const int64_t size = src.Size();
    if (size < 1) return FileError{"ReadQV", 0, "The file is empty"};
    if (auto st = CheckLevelFileSize(size, "ReadQV"); !st) return st.error();
    LoadedLevel level;
    level.bytes.assign(static_cast<size_t>(std::max<int64_t>(size, kStandardRecordSize)), 0);
    if (src.ReadPresent(0, level.bytes.size(), level.bytes.data()) < 0) {
        return FileError{"ReadQV", 2, "Cannot read the level: " + src.LastError()};
    }
    std::copy_n(level.bytes.begin() + kStandardRecordSize - kLevelInfoSize, kLevelInfoSize,
                level.info.bytes.begin());
    level.hasDemo = size > kStandardRecordSize;
    if (level.hasDemo) {
        const auto sig = FindSignature(src, 0, size);
        if (sig.readError) {
            return FileError{"ReadSignature", 2, "Cannot read the signature: " + src.LastError()};
        }
        level.hasSignature = sig.found;
        level.signature = sig.text;
    }
    return level;
}

namespace {

// A .qv file carrying a demo brings the seed of its recorded run.
FileStatus ReadFrom(GameState& s, ByteSource& src) {
    auto level = ParseQV(src);
    const bool hasDemo = level && level->hasDemo;
    return CommitParsedLevel(s, std::move(level), hasDemo);
}

}  // namespace

FileStatus ReadQV(GameState& s, const std::string& path) {
    return ReadLevelFile(s, path, "ReadQV", ReadFrom);
}

FileStatus ReadQV(GameState& s, std::span<const uint8_t> data) {
    return ReadLevelBytes(s, data, ReadFrom);
}

FileResult<SavedLevelBytes> BuildQV(const GameState& s, bool clean, const SaveOptions& options) {
    if (s.FieldWidth != kStandardWidth || s.FieldHeight != kStandardHeight ||
        s.FieldBytes.size() != static_cast<size_t>(kStandardWidth * kStandardHeight)) {
        return FileError{"SaveQV", 0,
                         "The level you want to save is a non-standard level(60x24)\r\n"
                         "Save this level as .tsn"};
    }
    SavedLevelBytes out;
    out.info = InfoForSave(s, options.quickSaveUsed);
    out.bytes = FieldCodesForFile(s.FieldBytes);
    out.bytes.insert(out.bytes.end(), out.info.bytes.begin(), out.info.bytes.end());
    if (!clean) {
        const auto demo = BuildDemoPart(s, options, false);
        if (static_cast<int64_t>(out.bytes.size() + demo.size()) > kMaxLevelFileSize) {
            return FileError{"SaveQV", 0, "The demo is too long for a level file"};
        }
        out.bytes.insert(out.bytes.end(), demo.begin(), demo.end());
    }
    return out;
}

FileStatus SaveQV(GameState& s, const std::string& path, bool clean, const SaveOptions& options) {
    auto built = BuildQV(s, clean, options);
    if (!built) return built.error();
    if (auto st = WriteFileSafely(path, built->bytes, "SaveQV"); !st) return st;
    s.Info = built->info;
    RestoreEditorCodes(s.FieldBytes);
    s.CurrentLevelNumber = 1;
    s.CurrentLevelFile = path;
    return {};
}

}  // namespace tsn
