#pragma once
// What Snik Snaks and Electrons share: both follow walls the same way and differ only in their
// element code, their sprites and whether Murphy passing a port is safe from them.
//
// An enemy cell is state * 256 + code. The state selects the phase:
//   0..7    turning left (anticlockwise), facing 0 up, 2 left, 4 down, 6 right, odd between
//   8..15   turning right (clockwise), facing 8 up, 10 right, 12 down, 14 left
//   16..23  moving up, 24..31 left, 32..39 down, 40..47 right; step k = state % 8 + 1
//   48..    idle
// While an enemy moves, its cell is already the new one; the cell it came from holds the marker
// EnemyTrail (engine/cell_markers.h) of its direction until the seventh step.
#include <array>
#include <cstddef>
#include <cstdint>

namespace tsn {

struct GameState;

struct EnemyFamily {
    uint8_t code;
    // Snik Snaks do not strike at Murphy while he is passing through a port.
    bool sparesMurphyInPort;
    // Turning sprites: facing index f of group 0 shows turning[f], group 1 shows turning[16 - f].
    std::array<int16_t, 9> turning;
    // Moving sprites by direction (up, left, down, right) and step k = 1..8 (index 0 unused).
    std::array<std::array<int16_t, 9>, 4> moving;
};

// Sprite tables in the shape EnemyFamily wants.
constexpr std::array<int16_t, 9> WidenSprites(const std::array<uint8_t, 9>& table) {
    std::array<int16_t, 9> out{};
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = table[i];
    return out;
}
// Step k shows sprite base + k.
constexpr std::array<int16_t, 9> StepSprites(int base) {
    std::array<int16_t, 9> out{};
    for (std::size_t k = 1; k < out.size(); ++k)
        out[k] = static_cast<int16_t>(base + static_cast<int>(k));
    return out;
}

// One frame of the enemy at `cell` (nothing when enemies are frozen or the cell holds another
// element).
void EnemyFrame(GameState& s, int cell, const EnemyFamily& family);
// Draws the enemy at `cell` in its current state; changes nothing.
void EnemyDraw(GameState& s, int cell, const EnemyFamily& family);

}  // namespace tsn
