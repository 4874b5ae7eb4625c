#pragma once
// New levels and the level's properties.
#include <string>
#include <string_view>

namespace tsn {

struct GameState;

inline constexpr int kMinNewLevelSide = 3;
inline constexpr int kMaxNewLevelSide = 125;

// A width or height typed in the new-level dialog: the integer part of the number's absolute
// value, clamped to 3 .. 125 (200 gives 125, 1 gives 3, -40 gives 40; text that is not a
// number gives 3).
int NewLevelSide(std::string_view typed);

// True when the editor grid is drawn for a level of this size: only for the standard 60 × 24.
bool GridDrawn(int width, int height);

// The level information text: the 23-character title, a line break and "(W x H)"; when the
// level carries a demo with a signature, two line breaks and the signature.
std::string LevelPropertiesText(const GameState& s);

}  // namespace tsn
