#pragma once
// Sprite numbers of the elements' animation sequences.
#include <array>
#include <cstdint>

namespace tsn {

inline constexpr std::array<uint8_t, 14> BugFrames = {74, 75, 76, 77, 78, 77, 76,
                                                      77, 78, 77, 76, 75, 74, 25};
// The -1 ends the sequence for the procedures that step through it.
inline constexpr std::array<int16_t, 9> ZonkRollLeftFrames = {192, 193, 194, 195, 196,
                                                              197, 198, 1,   -1};
inline constexpr std::array<int16_t, 9> ZonkRollRightFrames = {198, 197, 196, 195, 194,
                                                               193, 192, 1,   -1};
inline constexpr std::array<uint8_t, 8> InfotronRollLeftFrames = {200, 201, 202, 203,
                                                                  204, 205, 206, 4};
inline constexpr std::array<uint8_t, 8> InfotronRollRightFrames = {206, 205, 204, 203,
                                                                   202, 201, 200, 4};
inline constexpr std::array<uint8_t, 9> SnikSnakFrames = {121, 122, 123, 124, 125,
                                                          126, 127, 120, 121};
inline constexpr std::array<uint8_t, 9> ElectronFrames = {144, 145, 146, 147, 148,
                                                          149, 150, 151, 144};
inline constexpr std::array<uint8_t, 9> ExplosionFrames = {3,   103, 104, 105, 106,
                                                           107, 108, 109, 0};

}  // namespace tsn
