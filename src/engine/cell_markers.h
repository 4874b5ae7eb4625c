#pragma once
// Whole-cell values that moving elements write into the field to reserve a cell or to mark
// one they are leaving. Only the value 0 is an empty cell: a marked cell is occupied for every
// free-neighbour test, and each element's rules say which markers it may take or pass.
#include <cstdint>

namespace tsn {

// Empty cell reserved for a Zonk or Infotron rolling into it.
inline constexpr uint16_t kRollTarget = 0x8888;
// Empty cell below a Zonk or Infotron that will fall into it.
inline constexpr uint16_t kFallTarget = 0x9999;
// Cell a rolling Zonk or Infotron is leaving.
inline constexpr uint16_t kRollLeaving = 0xAAAA;
// Cell a moving element has just left.
inline constexpr uint16_t kLeaving = 0xFFFF;

// Cell a Snik Snak or Electron has just left: low byte 0xBB, high byte 1 up, 2 left, 3 down,
// 4 right (the direction it went).
inline constexpr int kEnemyTrailCode = 0xBB;
inline constexpr uint16_t kEnemyTrailUp = 0x01BB;
inline constexpr uint16_t kEnemyTrailLeft = 0x02BB;
inline constexpr uint16_t kEnemyTrailDown = 0x03BB;
inline constexpr uint16_t kEnemyTrailRight = 0x04BB;
// The trail of direction 1 .. 4 (up, left, down, right).
constexpr uint16_t EnemyTrail(int dir) {
    return static_cast<uint16_t>((dir << 8) | kEnemyTrailCode);
}

// Cell Murphy is leaving or will enter (also the far cell of a port and an eaten red disk).
inline constexpr uint16_t kMurphyTrail = 0x0300;
// Far cell reserved for what Murphy pushes: a Zonk, or an orange disk to the right; an orange
// disk to the left (also the cell below an orange disk about to fall); a yellow disk.
inline constexpr uint16_t kPushTargetZonk = 0x0100;
inline constexpr uint16_t kPushTargetOrange = 0x0800;
inline constexpr uint16_t kPushTargetYellow = 0x1200;

}  // namespace tsn
