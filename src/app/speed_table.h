#pragma once
// The frame delays the speed menus offer, and their descriptions.
#include <QString>
#include <cstdint>

namespace tsn {

inline constexpr int kSpeedCount = 17;
inline constexpr int kDefaultSpeedIndex = 12;
inline constexpr int32_t kDefaultFrameDelay = 28571;  // 35 frames a second

// Microseconds per frame of speed index 1 .. 17: -1 draws nothing, 0 runs as fast as possible.
int32_t SpeedDelay(int index);

// The index whose delay is nearest (ties keep the lower index); 12 when none is within a second.
int GetSpeedIndex(int32_t delay);

// "Fastest possible", "No display (even faster)" or "<n> fps", with " (Default)" at 35.
QString GetSpeedDescriptionFPS(int32_t delay);

}  // namespace tsn
