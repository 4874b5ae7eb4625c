#pragma once
// One level as read from a file, before it becomes the current level: the field bytes, the
// 96-byte info block and whatever demo block follows them. Readers fill a LoadedLevel and
// commit it only when the whole read succeeded, so a failed read never leaves a half-replaced
// level behind.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "files/file_error.h"
#include "engine/level_info.h"

namespace tsn {

struct GameState;

// Every cell index is a 16-bit number: the record of a level (W·H + 96 bytes) must fit.
inline constexpr int kMaxRecordSize = 32767;

// True when a level of W × H cells can be held: both at least 1 and W·H + 96 ≤ 32767.
bool IsValidLevelSize(int64_t width, int64_t height);

struct LoadedLevel {
    int16_t width = 60;
    int16_t height = 24;
    // The record (W·H field bytes, then the info block) followed by the demo block, if any.
    // Always at least W·H + 96 bytes long.
    std::vector<uint8_t> bytes;
    LevelInfo info;
    bool hasDemo = false;        // bytes holds more than the record
    bool hasSignature = false;   // a signature was found behind the demo
    std::string signature;
    bool fromSet = false;        // read from a level set

    int recordSize() const { return width * height + kLevelInfoSize; }
};

// Makes a loaded level the current level: geometry and per-level arrays, the play field (the
// whole record widened to 16-bit cells), FieldBytes, LevelBytes (the demo block kept behind
// the zeroed record), the info block with the initial gravity and frozen Zonks, the demo
// playback position and length, the signature and the level flags. Random seeds are left to
// the format's reader.
void CommitLevel(GameState& s, LoadedLevel&& level);

// Commits a parsed level, or records the failure (LevelLoaded cleared, the loaded level kept),
// then chooses the seed: the one stored with the level's demo when `storedSeed`, otherwise a
// fresh one from the clock, which also becomes StartRandomSeed.
FileStatus CommitParsedLevel(GameState& s, FileResult<LoadedLevel>&& parsed, bool storedSeed);

// Runs a format's reader on a file or on bytes in memory; a file that cannot be opened, and a
// read that runs out of memory, fail the read like any other failure, reported by `procedure`.
using LevelReader = FileStatus (*)(GameState& s, ByteSource& src);
FileStatus ReadLevelFile(GameState& s, const std::string& path, const char* procedure,
                         LevelReader reader);
FileStatus ReadLevelBytes(GameState& s, std::span<const uint8_t> data, LevelReader reader);

// Field codes as written to a file: the editor's Bug (76) is stored as 25 and 41 as 40.
std::vector<uint8_t> FieldCodesForFile(const std::vector<uint8_t>& field);
// After a save the field buffer holds the editor's forms: every 25 becomes 76, every 40 41.
void RestoreEditorCodes(std::vector<uint8_t>& field);

// A blank field: hardware all around, space inside, Murphy at the second cell of the second
// row and the exit below him (beside him when the level has fewer than four rows).
std::vector<uint8_t> BlankField(int width, int height);
// The info block of a new level: save mark 132, the given title, every other byte 0.
LevelInfo NewLevelInfo(const std::string& title);
// "-------Level 007-------": the title of level n of a new file.
std::string NewLevelTitle(int n);

}  // namespace tsn
