#include "files/create_level.h"

#include "engine/game_state.h"
#include "files/byte_source.h"
#include "files/level_record.h"
#include "files/path_names.h"
#include "files/safe_write.h"
#include "files/tsn_header.h"

namespace tsn {

namespace {

inline constexpr int kCollectionLevels = 111;

std::vector<uint8_t> LevelSetBytes(const std::vector<uint8_t>& field, int count) {
    std::vector<uint8_t> out;
    out.reserve((field.size() + kLevelInfoSize) * static_cast<size_t>(count));
    for (int n = 1; n <= count; ++n) {
        out.insert(out.end(), field.begin(), field.end());
        const LevelInfo info = NewLevelInfo(NewLevelTitle(n));
        out.insert(out.end(), info.bytes.begin(), info.bytes.end());
    }
    return out;
}

std::vector<uint8_t> ContainerBytes(const std::vector<uint8_t>& field, int width, int height,
                                    int count) {
    std::vector<uint8_t> out;
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(kTsnMagic[i]));
    PutI16(out, 1);
    PutI16(out, count);
    const int position = kTsnEntrySize * count + kTsnHeaderSize + 1;
    PutI16(out, width);
    PutI16(out, height);
    PutI32(out, position);
    PutI32(out, width * height + kLevelInfoSize);
    out.resize(static_cast<size_t>(position - 1), 0);  // the unused directory entries
    out.insert(out.end(), field.begin(), field.end());
    const LevelInfo info = NewLevelInfo(NewLevelTitle(1));
    out.insert(out.end(), info.bytes.begin(), info.bytes.end());
    return out;
}

}  // namespace

FileStatus CreateLevel(GameState& s, const std::string& path, int width, int height,
                       bool collection) {
    if (width < 3 || height < 3 || !IsValidLevelSize(width, height)) {
        return FileError{"CreateLevel", 0,
                         "Invalid level size " + std::to_string(width) + " x " + std::to_string(height)};
    }
    const int count = collection ? kCollectionLevels : 1;
    const auto field = BlankField(width, height);
    const bool container = ExtensionOf(path) == "tsn";
    if (!container && (width != kStandardWidth || height != kStandardHeight)) {
        return FileError{"CreateLevel", 0, "A level set holds only 60 x 24 levels"};
    }
    const auto bytes = container ? ContainerBytes(field, width, height, count)
                                 : LevelSetBytes(field, count);
    if (auto st = WriteFileSafely(path, bytes, "CreateLevel"); !st) return st;

    s.CurrentLevelNumber = 1;
    s.Info = LevelInfo();
    s.NonStandardLevel = width != kStandardWidth || height != kStandardHeight;
    return {};
}

}  // namespace tsn
