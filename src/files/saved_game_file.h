#pragma once
// Saved games on disk: where the saved game of a level file lives, and reading and writing
// the file whole.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "files/file_error.h"

namespace tsn {

struct GameState;

struct SavedGameLocation {
    std::string digest;  // the level file's digest, which the saved game carries
    std::string path;    // the saved game in the user's Saves folder
};

// The digest of `levelFile` and the path of its saved game (the Saves folder is created when
// missing). Fails when the level file cannot be read or the folder cannot be made.
FileResult<SavedGameLocation> LocateSavedGame(const std::string& levelFile);

// The first `limit` bytes of the file, or all of it when it is shorter.
FileResult<std::vector<uint8_t>> ReadSavedGameFile(
    const std::string& path, size_t limit = std::numeric_limits<size_t>::max());

// Writes the saved game of `s` through the safe writer, its mixing table drawn from the
// system's random source; a failed write leaves the previous saved game as it was.
FileStatus WriteSavedGameFile(const std::string& path, const GameState& s,
                              const std::string& digest);

}  // namespace tsn
