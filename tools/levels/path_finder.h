#pragma once
// The shortest safe walk of Murphy to a cell, for the `goto` of move scripts.
#include <vector>

#include "engine/game_state.h"

namespace tsn::levels {

// The moves (action codes 1..4: up, left, down, right) that take Murphy from where he stands to
// `target` over the field as it is now, or an empty list when there is no such walk (also when
// he already stands there). Murphy steps only onto resting spaces, bases, Infotrons and red
// disks (and onto the exit when it is the target), never under a Zonk, Infotron or orange
// disk that his step would leave unsupported, nor beside an enemy, and passes ports in their
// direction onto an empty cell.
std::vector<int> FindPath(const GameState& s, int target);

}  // namespace tsn::levels
