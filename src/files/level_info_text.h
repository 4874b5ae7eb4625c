#pragma once
// The text of the level information window: what a chosen or opened level is.
#include <string>

#include "engine/level_info.h"

namespace tsn {

struct GameState;

struct LevelInfoTextParts {
    LevelInfo info;
    int width = 0;
    int height = 0;
    bool hasSignature = false;
    std::string signature;
    // The line telling how often a quick save was loaded during the recorded run.
    bool quickSaveLine = true;
};

// The 23-character title, "\r\n", "(W x H)"; then, with a signature, two line breaks and the
// signature; then, when the level was saved after quick saves were used (save mark 144) and
// the line is wanted, two line breaks and "Quick Save was used: " + count + " time(s). ".
std::string LevelInfoText(const LevelInfoTextParts& parts);

// The same text for the level loaded into a game state (its header, size and demo signature).
std::string LevelInfoText(const GameState& s, bool quickSaveLine);

}  // namespace tsn
