#pragma once
// Float to integer conversions of the drawing code: to the nearest integer, halves to even.
#include <cmath>
#include <cstdint>

namespace tsn {

inline int64_t RoundHalfEven(double v) { return static_cast<int64_t>(std::nearbyint(v)); }
inline int16_t RoundTo16(double v) { return static_cast<int16_t>(RoundHalfEven(v)); }
inline int32_t RoundTo32(double v) { return static_cast<int32_t>(RoundHalfEven(v)); }

}  // namespace tsn
