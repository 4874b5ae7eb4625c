#pragma once
// One line of engine state after a frame, for finding the first frame where two runs part
// ways: the frame, Murphy's cell, the input, the Infotrons still needed, the red disks
// carried, the random seed, solved, the lead-out, the steps and the field's fingerprint.
#include <string>

namespace tsn {

struct GameState;

std::string TraceLine(const GameState& s);

}  // namespace tsn
