#pragma once
// Helpers shared by Murphy's tests: cell access by column and row on a test level.
#include <cstdint>

#include "engine/game_state.h"
#include "test_level.h"

namespace tsn::test {

// Input codes of the frame.
inline constexpr int kNone = 0, kUp = 1, kLeft = 2, kDown = 3, kRight = 4;
inline constexpr int kSnapUp = 5, kSnapLeft = 6, kSnapDown = 7, kSnapRight = 8, kSpace = 9;

inline uint16_t& At(GameState& s, int x, int y) {
    return s.PlayField16[s.CellIndex(x, y)];
}
// Murphy's action state (the high byte of his cell).
inline int MurphyState(const GameState& s) {
    return (s.PlayField16[s.MurphyPos] >> 8) & 0xFF;
}
// The run is being lost: the end rule has fired (it counts the lead-out down at once).
inline bool Lost(const GameState& s) {
    return s.LeadOutCounter != 0 && s.LevelSolved == 0;
}

}  // namespace tsn::test
