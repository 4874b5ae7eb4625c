#pragma once
// The info block as a save writes it.
#include "engine/level_info.h"

namespace tsn {

struct GameState;

// The current info block with the marks of a save: the demo check byte of a demo recorded
// since the level was loaded, and the save mark (132, or 144 with the number of saved-game
// loads XOR 166 after a run in which quick save was used).
LevelInfo InfoForSave(const GameState& s, bool quickSaveUsed);

}  // namespace tsn
