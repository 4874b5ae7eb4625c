// Murphy, the element the player steers. Once per frame, before any other element, he either
// stands still (idle animation, gravity) and decides on the frame's input, or advances the
// action under way. Every action is written into his own cell (high byte = action state), so
// the other elements see what he is doing through the field alone.
#include "elements/elements.h"
#include "elements/murphy_internal.h"
#include "engine/cell.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {

namespace murphy {

int DirectionOffset(const GameState& s, int direction) {
    switch (direction) {
        case kUp:
            return -s.FieldWidth;
        case kLeft:
            return -1;
        case kDown:
            return s.FieldWidth;
        default:
            return 1;
    }
}

int SnapSprite(int direction) {
    switch (direction) {
        case kUp:
            return 46;
        case kLeft:
            return 95;
        case kDown:
            return 47;
        default:
            return 94;
    }
}

void SetMurphyState(GameState& s, int cell, int state) {
    s.PlayField16[cell] = static_cast<uint16_t>(((state & 0xFF) << 8) | kMurphy);
}

void SetSequence(GameState& s, Seq seq) {
    if (s.MurphyAnimSequence.capacity() < kLongestSequence) {
        s.MurphyAnimSequence.reserve(kLongestSequence);
    }
    s.MurphyAnimSequence.assign(seq.begin(), seq.end());
}

Seq VerticalSequence(const GameState& s) {
    if (s.MurphyFacingLeft == 1) return kVerticalFacingLeft;
    return kVerticalFacingRight;
}

void ClearUnlessExploding(GameState& s, int cell) {
    if (LowByte(s.PlayField16[cell]) != kExplosion) s.PlayField16[cell] = 0;
}

namespace {

// A port Murphy may pass upwards stands above him: gravity does not pull him down.
bool PortOpenUpward(int code) {
    return code == kPortUp || code == kPortUpDown || code == kPortAll;
}

// Standing still with no input: the idle animation, paced by every fourth frame.
void Idle(GameState& s, int p) {
    if (s.Frames() % 4 != 0) return;
    // The counter only grows while Murphy idles; wrap it rather than overflow.
    s.IdleCounter = static_cast<int32_t>(static_cast<uint32_t>(s.IdleCounter) + 1u);
    const int32_t n = s.IdleCounter;
    if (n == 4) {
        subDrawCellSprite(s, p, kSpriteMurphy);
    } else if (n >= 501 && n <= 522) {
        subDrawCellSprite(s, p, 56 + (n - 500) / 2);
    } else if (n >= 1001 && n <= 1022) {
        subDrawCellSprite(s, p, 56 + (n - 1000) / 2);
    } else if (n >= 1601 && n <= 1622) {
        subDrawCellSprite(s, p, 56 + (n - 1600) / 2);
    } else if (n >= 1623 && n <= 1654) {
        // Looks at whatever is beside him, left first; with nothing beside him he starts over.
        if (s.PlayField16[p - 1] != 0) {
            subDrawCellSprite(s, p, 71 + (n - 1622) / 16);
        } else if (s.PlayField16[p + 1] != 0) {
            subDrawCellSprite(s, p, 68 + (n - 1622) / 16);
        } else {
            s.IdleCounter = 36;
        }
    }
}

// Murphy stands still and decides what to do with this frame's input.
void AtRest(GameState& s, int16_t& murphyPos) {
    const int p = murphyPos;
    const int w = s.FieldWidth;
    s.MurphyDX = 0;
    s.MurphyDY = 0;
    s.MurphyAnimPhase = 0;
    s.MurphySecondSprite = -1;
    s.MurphyClearCell = static_cast<int16_t>(p);
    s.MurphyDrawCell = static_cast<int16_t>(p);
    s.MurphyFalling = 0;
    if (s.GravityOn != 0 && !PortOpenUpward(LowByte(s.PlayField16[p - w])) &&
        s.PlayField16[p + w] == 0) {
        s.MurphyFalling = 1;
    }

    const int input = s.MurphyInput;
    bool started = false;
    if (input == 0) {
        s.NoKeyAtRest = 1;
        if (s.MurphyFalling == 0) {
            Idle(s, p);
            return;
        }
        // A fall is a move down into empty space.
        started = StartMove(s, murphyPos, kDown);
    } else if (input >= 1 && input <= 4) {
        s.NoKeyAtRest = 0;
        started = StartMove(s, murphyPos, input);
    } else if (input >= 5 && input <= 8) {
        s.NoKeyAtRest = 0;
        started = StartSnap(s, p, input - 4);
    } else if (input == 9) {
        started = StartLayingRedDisk(s, p);
    } else {
        s.NoKeyAtRest = 0;
    }
    if (started) RunAction(s, murphyPos);
}

}  // namespace

}  // namespace murphy

void subDrawCellSprite(GameState& s, int cell, int sprite) {
    s.DrawCellSprite(cell, sprite);
}

void subMurphyFrame(GameState& s, int16_t& murphyPos) {
    const uint16_t cell = s.PlayField16[murphyPos];
    if (LowByte(cell) != kMurphy) {
        // Murphy is gone; the frame step ends the level.
        s.MurphyPresent = 0;
        return;
    }
    s.MurphyPresent = 1;
    s.MurphyLastPos = murphyPos;
    if (cell != kMurphy) {
        murphy::RunAction(s, murphyPos);
        return;
    }
    murphy::AtRest(s, murphyPos);
}

}  // namespace tsn
