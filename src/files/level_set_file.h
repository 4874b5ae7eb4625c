#pragma once
// Level sets ("*.dat", "*.d??"): standard 60 × 24 level records of 1536 bytes laid end to end,
// with no header and no count.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "files/demo_block.h"
#include "files/file_error.h"
#include "files/level_record.h"

namespace tsn {

struct GameState;

// Level n (1-based) starts at byte 1536·(n − 1). It can be read when at least one of its bytes
// is in the file; a short last record reads as much as is present and the rest stays zero. A
// file above kMaxLevelFileSize is refused.
FileResult<LoadedLevel> ParseLevelSetLevel(ByteSource& src, int n, const std::string& procedure);

// Number of levels a set file lists: level 1 always, every further level only while its whole
// info block lies inside the file.
int LevelSetListCount(int64_t fileSize);

// Reads level CurrentLevelNumber of a set into the current level and seeds the random
// generator from the clock. A `restart` of the level reads the level last chosen in the list
// (LoadedLevelNumber), which becomes CurrentLevelNumber. On failure the current level stays as
// it was and LevelLoaded is cleared.
FileStatus ReadLevelSet(GameState& s, const std::string& path, bool restart = false);
FileStatus ReadLevelSet(GameState& s, std::span<const uint8_t> data, bool restart = false);

// The bytes of the set with its level n replaced by the current level, written as a save
// writes it (the editor's codes as stored, the info block with the save marks; a set holds no
// demo). Refused: a level that is not 60 x 24, a level n the set does not list, a set above
// the level file limit. The rest of the set is kept byte for byte.
FileResult<std::vector<uint8_t>> BuildLevelSetWithLevel(ByteSource& set, int n, const GameState& s,
                                                        const SaveOptions& options);

}  // namespace tsn
