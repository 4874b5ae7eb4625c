#pragma once
// The entries of the level list of a file, for the main window to show.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/file_error.h"
#include "engine/level_info.h"

namespace tsn {

struct GameState;
struct LevelSource;

// The most levels a list offers: the number of the chosen level is one byte in the game state
// and in saved games, so the levels after it cannot be played.
inline constexpr int kMaxListedLevels = 255;

struct LevelListEntry {
    int number = 0;      // 1-based level number
    std::string text;    // "001" + three blanks + the 23-character title
    uint8_t progress = 0;  // 0 not played, 1 solved, 2 skipped
    LevelInfo info;
};

// "#000"-style number, three blanks, then the title.
std::string LevelListText(int number, const LevelInfo& info);

// The levels of a file: one entry for a "*.qv" file; for a level set ("*.d??") level 1 and
// then every further level whose whole info block lies inside the file; for a "*.tsn"
// container every level of the directory up to the first whose info block cannot be read. Any
// other name gives no entries. At most kMaxListedLevels levels are listed; `notListed`, when
// given, receives the number of further levels the file holds. `progress` holds the state of
// each level by position (levels past its end are "not played"). A missing file, or a
// container that cannot be opened, is an error ("The File " + name + " was not found. sub
// FillLevelList" for a missing file).
FileResult<std::vector<LevelListEntry>> LevelListEntries(const std::string& path,
                                                         std::span<const uint8_t> progress = {},
                                                         int* notListed = nullptr);

// The entry a rebuilt list selects: select number − 1 when the number lies between 1 and the
// number of entries, else entry 0.
int LevelListSelection(int selectNumber, int entryCount);

// What choosing list position `position` does before the level is started: CurrentLevelNumber
// becomes position + 1 (1 when the list has a single entry), LastRunFile is forgotten when
// another level than the last one chosen is taken, and LoadedLevelNumber follows.
void ChooseListedLevel(GameState& s, LevelSource& source, int position, int entryCount);

}  // namespace tsn
