#pragma once
// Zonks and Infotrons: the shared motion machine of the two round elements that fall and roll.
//
// The whole state of a round element lives in its cell's high byte. The high nibble is the
// phase group, the low bits count animation frames:
//   0x00        at rest
//   0x10..0x17  falling; the cell is already the lower cell, the picture moves down into it
//   0x22..0x27  rolling left, second half (the cell is the left one, it came from the right)
//   0x32..0x37  rolling right, second half (came from the left)
//   0x40, 0x41  about to fall
//   0x50, 0x51  rolling left, first half (still in its own cell)
//   0x60, 0x61  rolling right, first half
//   0x70        landed on empty space; falls on as soon as the cell below allows
// Neighbouring cells carry whole-cell markers that every other element respects.
//
// The two elements differ in a handful of rules (frozen Zonks, what they kill, how a roll ends);
// each supplies them as a traits type, so the per-frame code has no run-time switches for them.
#include <cstdint>

#include "elements/elements.h"
#include "engine/cell.h"
#include "engine/cell_markers.h"
#include "engine/game_state.h"
#include "engine/sounds.h"

namespace tsn {

// A Zonk has left the cell: free it and let a Zonk above beside it roll into the space above.
void subZonkVacated(GameState& s, int cell);
// The same for an Infotron leaving a cell; it sets Infotrons rolling.
void subInfotronVacated(GameState& s, int cell);

namespace round {

// Zonk, Infotron or RAM chip at rest: something to roll off.
inline bool IsRound(uint16_t v) {
    return v == 1 || v == 4 || v == 5;
}
// Free for a roll: empty, or only marked by another roll.
inline bool FreeForRoll(uint16_t v) {
    return v == 0 || v == kRollTarget || v == kRollLeaving;
}
// Murphy states in which he pushes something sideways; an element landing on him then rests.
inline bool MurphyPushingSideways(int state) {
    return state == 14 || state == 15 || state == 37 || state == 38 || state == 40 || state == 41;
}

// Draws a sprite at the column of cell `xCell` and the row of cell `yCell`, shifted by (dx, dy)
// pixels. Positions are only worked out while something is displayed.
inline void DrawShifted(GameState& s, int xCell, int yCell, int dx, int dy, int sprite) {
    if (s.Drawing()) s.view->drawSprite(s.CellPixelX(xCell) + dx, s.CellPixelY(yCell) + dy, sprite);
}

// The motion machine for one element kind K. K provides:
//   kCode                 element code (1 or 4)
//   kObeysFreeze          stops while ZonksFrozen = 2
//   kRollsBesideFallTarget  may roll right into a kFallTarget cell that has a Zonk above it
//   kBelowAfterRoll       marker put below the side cell when the first half of a roll ends
//   kFallsAfterRoll       moves straight into the cell below when a roll ends (else waits
//                         there as a landed element)
//   kRestSprite, RollLeftSprite(i), RollRightSprite(i)
//   Vacated(s, cell)      the element's vacated routine
//   Hit(s, below, value)  the landing rules for what it kills; true when the landing is done
template <class K>
class RoundElement {
public:
    static void Frame(GameState& s, int p) {
        uint16_t* f = s.PlayField16.cell0();
        const uint16_t v = f[p];
        if (LowByte(v) != K::kCode) return;
        if (v != K::kCode) {
            Move(s, p, HighByte(v));
            return;
        }
        // At rest.
        if (Frozen(s)) return;
        const int w = s.FieldWidth;
        const uint16_t below = f[p + w];
        if (below == 0) {
            Move(s, p, 0x40);
            return;
        }
        if (!IsRound(below)) return;
        if (FreeForRoll(f[p + w - 1]) && f[p - 1] == 0) {
            f[p - 1] = kRollTarget;
            Move(s, p, 0x50);  // left is preferred when both sides are open
            return;
        }
        if (!RightSideOpen(s, p)) return;
        f[p + 1] = kRollTarget;
        Move(s, p, 0x60);
    }

private:
    static constexpr uint16_t Value(int state) {
        return static_cast<uint16_t>(((state & 0xFF) << 8) | K::kCode);
    }
    static bool Frozen(const GameState& s) {
        if constexpr (K::kObeysFreeze) {
            return s.ZonksFrozen == 2;
        } else {
            return false;
        }
    }
    // The right-hand roll test: below-right free for a roll, the cell to the right empty (a
    // Zonk may also take a cell marked for a fall when a Zonk sits above that cell).
    static bool RightSideOpen(const GameState& s, int p) {
        const uint16_t* f = s.PlayField16.cell0();
        const int w = s.FieldWidth;
        if (!FreeForRoll(f[p + w + 1])) return false;
        const uint16_t right = f[p + 1];
        if (right == 0) return true;
        if constexpr (K::kRollsBesideFallTarget) {
            return right == kFallTarget && LowByte(f[p + 1 - w]) == 1;
        } else {
            return false;
        }
    }

    // One frame of an element in motion with state st (for a moving element the whole frame).
    static void Move(GameState& s, int p, int st) {
        uint16_t* f = s.PlayField16.cell0();
        const int w = s.FieldWidth;
        switch (st & 0xF0) {
            case 0x10:
                Fall(s, p, st);
                return;
            case 0x20:
                RollLeftSecondHalf(s, p, st);
                return;
            case 0x30:
                RollRightSecondHalf(s, p, st);
                return;
            default:
                break;
        }
        // Frozen Zonks keep these states as they are.
        if (Frozen(s)) return;
        switch (st & 0xF0) {
            case 0x40:
                ++st;
                if (st < 0x42) {
                    f[p] = Value(st);
                } else if (f[p + w] != 0) {
                    f[p] = Value(0x41);  // wait for the cell below
                } else {
                    f[p] = kLeaving;
                    f[p + w] = Value(0x10);
                }
                return;
            case 0x50: {
                const int i = st & 7;
                DrawShifted(s, p, p, 0, 0, 0);
                DrawShifted(s, p, p, -4 * (i + 1), 0, K::RollLeftSprite(i));
                ++st;
                if (st < 0x52) {
                    f[p] = Value(st);
                } else if (f[p + w - 1] != 0 || (f[p - 1] != 0 && f[p - 1] != kRollTarget)) {
                    f[p] = Value(0x51);  // the way is blocked: show the same frame again
                } else {
                    f[p] = kLeaving;
                    f[p - 1] = Value(0x22);
                    f[p + w - 1] = K::kBelowAfterRoll;
                }
                return;
            }
            case 0x60: {
                const int i = st & 7;
                DrawShifted(s, p, p, 0, 0, 0);
                DrawShifted(s, p, p, 4 * (i + 1), 0, K::RollRightSprite(i));
                ++st;
                if (st < 0x62) {
                    f[p] = Value(st);
                } else if (f[p + w + 1] != 0 || (f[p + 1] != 0 && f[p + 1] != kRollTarget)) {
                    f[p] = Value(0x61);
                } else {
                    f[p] = kLeaving;
                    f[p + 1] = Value(0x32);
                    f[p + w + 1] = K::kBelowAfterRoll;
                }
                return;
            }
            case 0x70: {
                const uint16_t below = f[p + w];
                if (below != 0 && below != kFallTarget) return;
                f[p] = kLeaving;
                f[p + w] = Value(0x10);
                Fall(s, p + w, 0x10);  // a continued fall costs no extra frame
                return;
            }
            default:
                return;
        }
    }

    // Falling: the element's cell is the lower one; the picture moves down from the cell above.
    static void Fall(GameState& s, int p, int st) {
        const int w = s.FieldWidth;
        DrawShifted(s, p, p - w, 0, 0, 0);
        DrawShifted(s, p, p - w, 0, 4 + 4 * (st & 7), K::kRestSprite);
        ++st;
        uint16_t* f = s.PlayField16.cell0();
        if (st == 0x16) {
            f[p] = Value(st);
            K::Vacated(s, p - w);  // the upper cell is freed in the sixth falling frame
            return;
        }
        if (st < 0x18) {
            f[p] = Value(st);
            return;
        }
        Arrive(s, p);
    }

    // Second half of a roll to the left: the element is in the left cell, R is where it was.
    static void RollLeftSecondHalf(GameState& s, int p, int st) {
        uint16_t* f = s.PlayField16.cell0();
        const int r = p + 1;
        const int i = st & 7;
        DrawShifted(s, r, r, 0, 0, 0);
        DrawShifted(s, r, p, -4 * (i + 1), 0, K::RollLeftSprite(i));
        ++st;
        if (st == 0x24) f[r] = kRollLeaving;
        if (st == 0x26) {
            f[p] = Value(st);
            K::Vacated(s, r);
            return;
        }
        if (st < 0x28) {
            f[p] = Value(st);
            return;
        }
        EndRoll(s, p);
    }

    static void RollRightSecondHalf(GameState& s, int p, int st) {
        uint16_t* f = s.PlayField16.cell0();
        const int l = p - 1;
        const int i = st & 7;
        DrawShifted(s, l, l, 0, 0, 0);
        DrawShifted(s, l, p, 4 * (i + 1), 0, K::RollRightSprite(i));
        ++st;
        if (st == 0x34) f[l] = kRollLeaving;
        if (st == 0x36) {
            f[p] = Value(st);
            K::Vacated(s, l);
            return;
        }
        if (st < 0x38) {
            f[p] = Value(st);
            return;
        }
        EndRoll(s, p);
    }

    // The roll is over: fall on into the cell reserved below, without looking at it again.
    static void EndRoll(GameState& s, int p) {
        uint16_t* f = s.PlayField16.cell0();
        if constexpr (K::kFallsAfterRoll) {
            f[p] = kLeaving;
            f[p + s.FieldWidth] = Value(0x10);
        } else {
            f[p] = Value(0x70);
        }
    }

    // The eighth falling frame has brought the element into its cell.
    static void Arrive(GameState& s, int p) {
        uint16_t* f = s.PlayField16.cell0();
        f[p] = K::kCode;
        if (Frozen(s)) return;
        const int w = s.FieldWidth;
        const int below = p + w;
        const uint16_t b = f[below];
        if (b == 0 || b == kFallTarget) {
            f[p] = Value(0x70);
            f[below] = kFallTarget;
            return;
        }
        if (K::Hit(s, below, b)) return;
        PlayZonkSound(s);
        if (!IsRound(b)) return;
        if (FreeForRoll(f[below - 1])) {
            if (f[p - 1] == 0) {
                f[p] = Value(0x50);
                f[p - 1] = kRollTarget;
                return;
            }
            if (!RightSideOpen(s, p)) return;
            f[p + 1] = kRollTarget;
            Move(s, p, 0x60);
            return;
        }
        if (FreeForRoll(f[below + 1]) && f[p + 1] == 0) {
            f[p] = Value(0x60);
            f[p + 1] = kRollTarget;
        }
    }
};

}  // namespace round
}  // namespace tsn
