#include "engine/random.h"

#include "engine/game_state.h"

namespace tsn {

int RandomNumber(GameState& s) {
    s.RandomSeed = static_cast<uint16_t>(s.RandomSeed * 1509u + 49u);
    return s.RandomSeed >> 1;
}

void RandomizeFromClock(GameState& s) {
    const int32_t t = s.clock ? s.clock() : 0;
    // div on a signed value truncates toward zero.
    s.RandomSeed = static_cast<uint16_t>((t / 65536) ^ t);
}

}  // namespace tsn
