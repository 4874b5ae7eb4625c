#pragma once
// A fingerprint of the running field, for comparing two runs frame by frame.
#include <cstdint>

namespace tsn {

struct GameState;

// 64-bit FNV-1a over the cells 0 .. FieldUpper, each cell fed as two bytes, low byte first.
uint64_t FieldHash(const GameState& s);

}  // namespace tsn
