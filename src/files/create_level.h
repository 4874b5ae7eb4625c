#pragma once
// New level files of blank levels.
#include <string>

#include "files/file_error.h"

namespace tsn {

struct GameState;

// Writes a new file of blank levels of width × height cells (3 × 3 up to W·H + 96 ≤ 32767).
// A "*.tsn" name gets a container whose directory has one entry per level (111 for a
// collection) of which only the first is filled; any other name gets a level set of 111 levels
// (collection) or 1 level, titled "-------Level 001-------" and so on. On success the current
// level number is 1, the info block is cleared and NonStandardLevel follows the size. A failure
// leaves the state and any previous file as they were.
FileStatus CreateLevel(GameState& s, const std::string& path, int width, int height,
                       bool collection);

}  // namespace tsn
