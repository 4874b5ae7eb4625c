#pragma once
// Keyboard scan codes, numbered as the keyboard device numbers them: the key table is
// indexed by these.
#include <cstdint>

namespace tsn::key {

inline constexpr int kEscape = 1;
inline constexpr int kEquals = 13;
inline constexpr int kR = 19;
inline constexpr int kP = 25;
inline constexpr int kLeftBracket = 26;
inline constexpr int kRightBracket = 27;
inline constexpr int kEnter = 28;
inline constexpr int kLeftCtrl = 29;
inline constexpr int kA = 30;
inline constexpr int kS = 31;
inline constexpr int kD = 32;
inline constexpr int kG = 34;
inline constexpr int kL = 38;
inline constexpr int kLeftShift = 42;
inline constexpr int kX = 45;
inline constexpr int kN = 49;
inline constexpr int kM = 50;
inline constexpr int kRightShift = 54;
inline constexpr int kLeftAlt = 56;
inline constexpr int kSpace = 57;
inline constexpr int kRightCtrl = 157;
inline constexpr int kPrintScreen = 183;
inline constexpr int kRightAlt = 184;
inline constexpr int kPause = 197;
inline constexpr int kHome = 199;
inline constexpr int kUp = 200;
inline constexpr int kPageUp = 201;
inline constexpr int kLeft = 203;
inline constexpr int kRight = 205;
inline constexpr int kDown = 208;
inline constexpr int kPageDown = 209;

}  // namespace tsn::key
