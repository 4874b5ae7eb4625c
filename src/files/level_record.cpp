#include "files/level_record.h"

#include <algorithm>
#include <cstdio>
#include <new>

#include "engine/demo_buffer.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "files/level_file_limit.h"

namespace tsn {

bool IsValidLevelSize(int64_t width, int64_t height) {
    return width >= 1 && height >= 1 && width * height + kLevelInfoSize <= kMaxRecordSize;
}

void CommitLevel(GameState& s, LoadedLevel&& level) {
    const int cells = level.width * level.height;
    const int record = cells + kLevelInfoSize;
    if (level.bytes.size() < static_cast<size_t>(record)) level.bytes.resize(static_cast<size_t>(record), 0);

    // The previous level's bytes go first and the geometry sizes LevelBytes for the record
    // only, so a long demo is never held twice.
    std::vector<uint8_t>().swap(s.LevelBytes);
    s.LevelBufferUpper = 0;
    s.SetGeometry(level.width, level.height);
    s.LevelBytes = std::move(level.bytes);
    // The readers refuse files above kMaxLevelFileSize, so the last index fits in 32 bits.
    s.LevelBufferUpper = static_cast<int32_t>(s.LevelBytes.size() - 1);
    std::copy_n(s.LevelBytes.begin(), cells, s.FieldBytes.begin());
    uint16_t* field = s.PlayField16.cell0();
    for (int i = 0; i < record; ++i) field[i] = s.LevelBytes[static_cast<size_t>(i)];
    std::fill_n(s.LevelBytes.begin(), record, uint8_t{0});

    s.Info = level.info;
    s.GravityOn = level.info.gravity();
    s.ZonksFrozen = level.info.frozenZonks();
    s.DemoStartIndex = static_cast<int16_t>(record);
    s.DemoReadIndex = record;
    s.DemoRepeatCount = 0;
    s.LevelHasDemo = level.hasDemo;
    s.DemoLengthFrames =
        level.hasDemo ? DemoFramesOf(s.LevelBytes.data() + record + 1,
                                     s.LevelBytes.size() - static_cast<size_t>(record) - 1)
                      : 0;
    // A level without a demo has no signature either.
    s.DemoHasSignature = level.hasDemo && level.hasSignature;
    s.DemoSignature = s.DemoHasSignature ? level.signature : std::string();
    s.NonStandardLevel = level.width != kStandardWidth || level.height != kStandardHeight;
    s.LevelFromSet = level.fromSet;
    s.LevelLoaded = true;
}

std::vector<uint8_t> FieldCodesForFile(const std::vector<uint8_t>& field) {
    std::vector<uint8_t> out(field);
    for (auto& b : out) b = GameCode(b);
    return out;
}

void RestoreEditorCodes(std::vector<uint8_t>& field) {
    for (auto& b : field) b = EditorCode(b);
}

std::vector<uint8_t> BlankField(int width, int height) {
    std::vector<uint8_t> field(static_cast<size_t>(width * height), 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (y == 0 || y == height - 1 || x == 0 || x == width - 1) {
                field[static_cast<size_t>(y * width + x)] = 6;
            }
        }
    }
    auto put = [&](int i, uint8_t code) {
        if (i >= 0 && i < width * height) field[static_cast<size_t>(i)] = code;
    };
    put(width + 1, 3);
    put(height < 4 ? width + 2 : 2 * width + 1, 7);
    return field;
}

LevelInfo NewLevelInfo(const std::string& title) {
    LevelInfo info;
    info.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkPlain;
    info.setTitle(title);
    return info;
}

std::string NewLevelTitle(int n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "-------Level %03d-------", n);
    return buf;
}

FileStatus CommitParsedLevel(GameState& s, FileResult<LoadedLevel>&& parsed, bool storedSeed) {
    if (!parsed) {
        s.LevelLoaded = false;
        return parsed.error();
    }
    CommitLevel(s, std::move(*parsed));
    if (storedSeed) {
        s.RandomSeed = s.Info.randomSeed();
    } else {
        RandomizeFromClock(s);
        s.StartRandomSeed = s.RandomSeed;
    }
    return {};
}

namespace {

// A reader that runs out of memory fails like any other read.
FileStatus ReadGuarded(GameState& s, ByteSource& src, const char* procedure, LevelReader reader) {
    try {
        return reader(s, src);
    } catch (const std::bad_alloc&) {
        s.LevelLoaded = false;
        return OutOfMemoryError(procedure);
    }
}

}  // namespace

FileStatus ReadLevelFile(GameState& s, const std::string& path, const char* procedure,
                         LevelReader reader) {
    FileSource src;
    if (!src.Open(path)) {
        s.LevelLoaded = false;
        return FileError{procedure, 1, "Cannot open " + path + ": " + src.LastError()};
    }
    return ReadGuarded(s, src, procedure, reader);
}

FileStatus ReadLevelBytes(GameState& s, std::span<const uint8_t> data, LevelReader reader) {
    MemorySource src(data);
    return ReadGuarded(s, src, "ReadLevel", reader);
}

}  // namespace tsn
