#pragma once
// The info block as a save writes it.
#include "engine/level_info.h"

namespace tsn {

struct GameState;

// The number of saved-game loads the info block of a quick-saved level records, stored XOR 166.
inline constexpr uint8_t kLoadCountMask = 166;
inline int QuickSaveLoads(const LevelInfo& info) {
    return info.bytes[LevelInfo::kLoadCountOffset] ^ kLoadCountMask;
}

// The current info block with the marks of a save: the demo check byte of a demo recorded
// since the level was loaded, and the save mark (132, or 144 with the number of saved-game
// loads XOR 166 after a run in which quick save was used).
LevelInfo InfoForSave(const GameState& s, bool quickSaveUsed);

}  // namespace tsn
