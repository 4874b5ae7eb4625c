// Wall-following for Snik Snaks and Electrons. After every completed step an enemy prefers to
// turn left, else goes straight on, else turns right, else turns left again. Turning advances
// one facing every 4 frames; a move covers a cell in 8 frames of 4 pixels.
#include "elements/enemy.h"

#include "elements/elements.h"
#include "engine/cell.h"
#include "engine/cell_markers.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {

namespace {

// Directions: 0 up, 1 left, 2 down, 3 right. Turning left from direction d gives d + 1.
constexpr int kDx[4] = {0, -1, 0, 1};
constexpr int kDy[4] = {-1, 0, 1, 0};
// The direction a turning state faces; -1 for the diagonal states.
constexpr int8_t kFacing[16] = {0, -1, 1, -1, 2, -1, 3, -1, 0, -1, 3, -1, 2, -1, 1, -1};
// After a completed step the new state is already one rotation past the heading.
constexpr uint8_t kTurnLeftAfterMove[4] = {1, 3, 5, 7};
constexpr uint8_t kTurnRightAfterMove[4] = {9, 15, 13, 11};
constexpr int kFirstMovingState = 0x10;
constexpr int kIdleState = 0x30;

struct Offsets {
    int d[4];
    explicit Offsets(int w) : d{-w, -1, w, 1} {}
};

bool FreeOrMurphy(uint16_t v) {
    return v == 0 || LowByte(v) == kMurphy;
}

uint16_t MovingValue(int dir, const EnemyFamily& family) {
    return static_cast<uint16_t>(((kFirstMovingState + 8 * dir) << 8) | family.code);
}

void DrawTurning(GameState& s, int p, int state, const EnemyFamily& family) {
    const int index = state < 8 ? state : 16 - state;
    s.DrawCellSprite(p, family.turning[static_cast<size_t>(index)]);
}

// Sprite 0 at the cell the enemy came from and the enemy k * 4 pixels on towards its new cell.
void DrawMoving(GameState& s, int back, int dir, int k, const EnemyFamily& family) {
    if (!s.Drawing()) return;
    s.DrawCellSprite(back, 0);
    s.DrawSpriteAt(s.CellPixelX(back) + 4 * k * kDx[dir], s.CellPixelY(back) + 4 * k * kDy[dir],
                   family.moving[static_cast<size_t>(dir)][static_cast<size_t>(k)]);
}

void Turn(GameState& s, int p, int state, const EnemyFamily& family) {
    auto& f = s.PlayField16;
    const int t = static_cast<int>(s.Frames() & 3);
    if (t == 0) {
        DrawTurning(s, p, state, family);
        const int next = ((state + 1) & 7) | (state & 8);
        SetHighByte(f[p], next);
        return;
    }
    if (t != 3) return;
    const int dir = kFacing[state];
    if (dir < 0) return;
    const int n = p + Offsets(s.FieldWidth).d[dir];
    const uint16_t v = f[n];
    if (v == 0) {
        f[p] = EnemyTrail(dir + 1);
        f[n] = MovingValue(dir, family);
        return;
    }
    if (LowByte(v) != kMurphy) return;
    const int murphyState = HighByte(v);
    if (family.sparesMurphyInPort && murphyState >= 24 && murphyState <= 27) return;
    subExplodeAt(s, p);
}

void Move(GameState& s, int p, int state, const EnemyFamily& family) {
    auto& f = s.PlayField16;
    const Offsets off(s.FieldWidth);
    const int dir = (state >> 3) - 2;
    const int k = (state & 7) + 1;
    const int back = p - off.d[dir];
    DrawMoving(s, back, dir, k, family);
    if (k == 7 && LowByte(f[back]) != kExplosion) f[back] = 0;
    if (k < 8) {
        SetHighByte(f[p], state + 1);
        return;
    }
    f[p] = family.code;
    if (FreeOrMurphy(f[p + off.d[(dir + 1) & 3]])) {
        SetHighByte(f[p], kTurnLeftAfterMove[dir]);
        return;
    }
    const int ahead = p + off.d[dir];
    if (f[ahead] == 0) {
        f[p] = EnemyTrail(dir + 1);
        f[ahead] = MovingValue(dir, family);
        return;
    }
    if (LowByte(f[ahead]) == kMurphy) {
        subExplodeAt(s, p);
        return;
    }
    if (FreeOrMurphy(f[p + off.d[(dir + 3) & 3]])) {
        SetHighByte(f[p], kTurnRightAfterMove[dir]);
        return;
    }
    SetHighByte(f[p], kTurnLeftAfterMove[dir]);
}

}  // namespace

void EnemyFrame(GameState& s, int cell, const EnemyFamily& family) {
    if (s.EnemiesFrozen == 1) return;
    const uint16_t v = s.PlayField16[cell];
    if (LowByte(v) != family.code) return;
    const int state = HighByte(v);
    if (state < 16) {
        Turn(s, cell, state, family);
    } else if (state < kIdleState) {
        Move(s, cell, state, family);
    }
}

void EnemyDraw(GameState& s, int cell, const EnemyFamily& family) {
    const uint16_t v = s.PlayField16[cell];
    if (LowByte(v) != family.code) return;
    const int state = HighByte(v);
    if (state < 16) {
        DrawTurning(s, cell, state, family);
    } else if (state < kIdleState) {
        const int dir = (state >> 3) - 2;
        DrawMoving(s, cell - Offsets(s.FieldWidth).d[dir], dir, (state & 7) + 1, family);
    }
}

}  // namespace tsn
