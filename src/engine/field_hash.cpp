#include "engine/field_hash.h"

#include "engine/game_state.h"

namespace tsn {

uint64_t FieldHash(const GameState& s) {
    constexpr uint64_t kPrime = 0x100000001b3ULL;
    uint64_t h = 0xcbf29ce484222325ULL;
    const uint16_t* f = s.PlayField16.cell0();
    for (int i = 0; i <= s.FieldUpper; ++i) {
        h = (h ^ (f[i] & 0xFFu)) * kPrime;
        h = (h ^ (f[i] >> 8)) * kPrime;
    }
    return h;
}

}  // namespace tsn
