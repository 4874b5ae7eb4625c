#pragma once
// Reading the first level of a level container and writing the current level as a one-level
// container.
#include <span>
#include <string>

#include "files/demo_block.h"
#include "files/file_error.h"
#include "files/qv_file.h"

namespace tsn {

struct GameState;

// Reads level 1 of a container (whatever CurrentLevelNumber says) into the current level.
// While a demo is played back the random seed is the one stored in the info block; otherwise
// it is drawn from the clock and copied to StartRandomSeed. A wrong magic, a version other
// than 1, a count below 1, an invalid size, or positions and sizes outside the file are
// refused; the current level then stays as it was and LevelLoaded is cleared.
FileStatus ReadTSN(GameState& s, const std::string& path);
FileStatus ReadTSN(GameState& s, std::span<const uint8_t> data);

// The bytes SaveTSN writes for the current level; no state changes.
FileResult<SavedLevelBytes> BuildTSN(const GameState& s, bool clean, const SaveOptions& options);

// Writes the current level (and, unless `clean`, its demo) as a one-level container at
// position 21. When the editor hands its level over (SaveOptions::editorHandOver) a demo that
// came with the level is written again with its own signature, without asking. On success the
// saved info block becomes the current one, the field buffer holds the editor's codes (25 → 76,
// 40 → 41) and, unless `keepCurrentFile`, the file becomes CurrentLevelFile. A failure changes
// nothing.
FileStatus SaveTSN(GameState& s, const std::string& path, bool keepCurrentFile, bool clean,
                   const SaveOptions& options);

}  // namespace tsn
