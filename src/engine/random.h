#pragma once
// The engine's only source of chance: a 16-bit linear congruential generator.
#include <cstdint>

namespace tsn {

struct GameState;

// Advances RandomSeed and returns the new seed divided by 2 (0 .. 32767).
int RandomNumber(GameState& s);

// Seeds RandomSeed from the millisecond clock of the state: low 16 bits of (t div 65536) XOR t.
void RandomizeFromClock(GameState& s);

}  // namespace tsn
