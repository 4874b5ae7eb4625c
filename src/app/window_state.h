#pragma once
// Everything the window keeps of its game: the engine's state, where the next level is read
// from, the window's flags and the record of the last run.
#include <cstdint>

#include "engine/game_state.h"
#include "files/level_source.h"
#include "presentation/window_flags.h"

namespace tsn {

struct LastRunRecord {
    int16_t QuickSaveUsed = 0;     // quick save was used in the run
    int64_t LastRunFrames = 0;     // fixed point
    int32_t LastRunMilliseconds = 0;
};

struct WindowState : GameState, LevelSource, WindowFlags, LastRunRecord {};

}  // namespace tsn
