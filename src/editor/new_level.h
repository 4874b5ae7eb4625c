#pragma once
// The size of a new level typed in the new-level dialog.
#include <string_view>

namespace tsn {

inline constexpr int kMinNewLevelSide = 3;
inline constexpr int kMaxNewLevelSide = 125;

// A width or height typed in the new-level dialog: the integer part of the number's absolute
// value, clamped to 3 .. 125 (200 gives 125, 1 gives 3, -40 gives 40; text that is not a
// number gives 3).
int NewLevelSide(std::string_view typed);

}  // namespace tsn
