#pragma once
// Plays a level of a set with a move script, recording the run as a demo.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "move_script.h"

namespace tsn::levels {

struct ScriptRun {
    bool solved = false;
    int64_t frames = 0;
    std::string failure;   // why the script did not solve the level, with the field at that time
    size_t stepsDone = 0;  // script steps completed
};

// Loads level `number` of the set bytes into `s` with the random seed `seed`, starts a run and
// plays the script. After the script the keys stay released until the run ends (at most
// `maxTailFrames` frames). `stopAfter` ends the run after that many script steps (for looking
// at a level part way through). On return `s` holds the finished run and its recorded demo.
ScriptRun PlayScript(GameState& s, std::span<const uint8_t> set, int number, uint16_t seed,
                     const std::vector<ScriptStep>& script, size_t stopAfter = SIZE_MAX,
                     int64_t maxTailFrames = 4000);

// The field as map characters (moving elements and markers by their element code; '?' for
// cells without one), with Murphy's position, the frame and the Infotrons still needed: first
// the cells around Murphy with their row numbers, then the whole field.
std::string DescribeField(const GameState& s);

}  // namespace tsn::levels
