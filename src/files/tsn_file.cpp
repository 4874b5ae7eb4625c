#include "files/tsn_file.h"


#include "engine/game_state.h"
#include "files/level_file_limit.h"
#include "files/safe_write.h"
#include "files/saved_info.h"
#include "files/tsn_header.h"

namespace tsn {

namespace {

FileStatus ReadFrom(GameState& s, ByteSource& src) {
    auto header = ParseTsnHeader(src, "ReadTSN", true);
    if (!header) {
        s.LevelLoaded = false;
        return header.error();
    }
    // Only a demo being played back takes the seed stored with it.
    return CommitParsedLevel(s, ParseTsnLevel(src, *header, 1, "ReadTSN"), s.DemoPlayback != 0);
}

}  // namespace

FileStatus ReadTSN(GameState& s, const std::string& path) {
    return ReadLevelFile(s, path, "ReadTSN", ReadFrom);
}

FileStatus ReadTSN(GameState& s, std::span<const uint8_t> data) {
    return ReadLevelBytes(s, data, ReadFrom);
}

FileResult<SavedLevelBytes> BuildTSN(const GameState& s, bool clean, const SaveOptions& options) {
    if (!IsValidLevelSize(s.FieldWidth, s.FieldHeight) ||
        s.FieldBytes.size() != static_cast<size_t>(s.FieldWidth * s.FieldHeight)) {
        return FileError{"SaveTSN", 0, "The current level has no valid size"};
    }
    SavedLevelBytes out;
    out.info = InfoForSave(s, options.quickSaveUsed);
    std::vector<uint8_t> demo;
    if (!clean) demo = BuildDemoPart(s, options, options.editorHandOver);
    const int64_t size = s.FieldWidth * s.FieldHeight + kLevelInfoSize + static_cast<int64_t>(demo.size());
    // What is written must be readable again: the whole file within the level file limit.
    if (size + kTsnHeaderSize + kTsnEntrySize > kMaxLevelFileSize) {
        return FileError{"SaveTSN", 0, "The demo is too long for a level container"};
    }
    out.bytes = TsnBytes(s.FieldWidth, s.FieldHeight, FieldCodesForFile(s.FieldBytes), out.info, demo);
    return out;
}

FileStatus SaveTSN(GameState& s, const std::string& path, bool keepCurrentFile, bool clean,
                   const SaveOptions& options) {
    auto built = BuildTSN(s, clean, options);
    if (!built) return built.error();
    if (auto st = WriteFileSafely(path, built->bytes, "SaveTSN"); !st) return st;
    s.Info = built->info;
    RestoreEditorCodes(s.FieldBytes);
    if (!keepCurrentFile) s.CurrentLevelFile = path;
    return {};
}

}  // namespace tsn
