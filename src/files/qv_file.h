#pragma once
// Single-level files ("*.qv"): one standard 60 × 24 level record, optionally followed by a
// demo block (first byte, keys, 255, optional signature and 255). No magic, no version; the
// file carries a demo exactly when it is longer than 1536 bytes.
#include <span>
#include <string>

#include "files/byte_source.h"
#include "files/demo_block.h"
#include "files/file_error.h"
#include "files/level_record.h"

namespace tsn {

struct GameState;

// The level and its demo block. A file shorter than 1536 bytes reads as much as is present
// (the rest of the record is zero); an empty file and a file above kMaxLevelFileSize are
// refused. Demos and signatures of any accepted length are kept whole.
FileResult<LoadedLevel> ParseQV(ByteSource& src);

// Reads the file into the current level. With a demo the random seed is the one stored in the
// info block; without one it is drawn from the clock and copied to StartRandomSeed. On failure
// the current level stays as it was and LevelLoaded is cleared.
FileStatus ReadQV(GameState& s, const std::string& path);
FileStatus ReadQV(GameState& s, std::span<const uint8_t> data);

// The bytes SaveQV writes for the current level, and the info block as saved; no state changes.
struct SavedLevelBytes {
    std::vector<uint8_t> bytes;
    LevelInfo info;
};
FileResult<SavedLevelBytes> BuildQV(const GameState& s, bool clean, const SaveOptions& options);

// Writes the current level (and, unless `clean`, its demo) as a single-level file. Only
// standard-size levels can be written. On success the saved info block becomes the current
// one, the field buffer holds the editor's codes (25 → 76, 40 → 41), CurrentLevelNumber is 1
// and CurrentLevelFile is the file. A failure changes nothing, neither in memory nor on disk.
FileStatus SaveQV(GameState& s, const std::string& path, bool clean, const SaveOptions& options);

}  // namespace tsn
