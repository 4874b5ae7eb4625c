// Murphy starts an action: a move, a snap, a push, a port pass, the exit, a terminal, or
// laying a red disk. A started action is written into his cell (and the cells it involves)
// and runs its first frame at once; a way that is blocked leaves him at rest.
#include "elements/elements.h"
#include "elements/murphy_internal.h"
#include "engine/cell.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/sounds.h"

namespace tsn {

namespace murphy {

namespace {

bool PortPassable(int code, int direction) {
    switch (direction) {
        case kUp:
            return code == kPortUp || code == kPortUpDown || code == kPortAll;
        case kLeft:
            return code == kPortLeft || code == kPortLeftRight || code == kPortAll;
        case kDown:
            return code == kPortDown || code == kPortUpDown || code == kPortAll;
        default:
            return code == kPortRight || code == kPortLeftRight || code == kPortAll;
    }
}

Seq MoveSequence(const GameState& s, int direction) {
    if (direction == kLeft) return kWalkLeft;
    if (direction == kRight) return kWalkRight;
    return VerticalSequence(s);
}

// Murphy steps into the target at once; his old cell stays reserved until the move completes.
bool MoveInto(GameState& s, int16_t& murphyPos, int target, int state, Seq seq) {
    SetMurphyState(s, target, state);
    s.PlayField16[murphyPos] = kMurphyTrail;
    murphyPos = static_cast<int16_t>(target);
    SetSequence(s, seq);
    s.MurphyDelay = 0;
    return true;
}

// A bug that sparks kills Murphy on contact; a dormant one is a base. Returns false when
// Murphy was killed.
bool TakeBugAsBase(GameState& s, int p, int target) {
    if (SignedByte(HighByte(s.PlayField16[target])) >= 0) {
        subExplodeAt(s, p);
        return false;
    }
    s.PlayField16[target] = kBase;
    return true;
}

// Using a terminal: the first use in a run blows up every yellow disk at rest.
void UseTerminal(GameState& s, int p, int terminal, int direction) {
    subDrawCellSprite(s, p, SnapSprite(direction));
    if (s.TerminalsUsed != 0) {
        s.IdleCounter = 10;
        return;
    }
    subDrawCellSprite(s, terminal, kSpriteTerminalUsed);
    if (terminal >= 0 && terminal < static_cast<int>(s.TerminalBlinkTimer.size())) {
        s.TerminalBlinkTimer[static_cast<size_t>(terminal)] = 8;
    }
    s.TerminalBlinkMask = 7;
    s.TerminalsUsed = 1;
    bool exploded = false;
    const int last = s.FieldWidth * s.FieldHeight - 1;
    for (int i = 0; i <= last; ++i) {
        if (s.PlayField16[i] == kYellowDisk) {
            subExplodeAt(s, i);
            exploded = true;
        }
    }
    if (exploded) AddStep(s);
}

// Murphy walks into the exit; it opens only when no more Infotrons are needed.
bool EnterExit(GameState& s, int p) {
    s.MurphyClearCell = -1;
    s.MurphyDX = 0;
    s.MurphyDY = 0;
    if (s.InfotronsNeeded > 0) return false;
    PlayExitSound(s);
    s.LevelSolved = 1;
    s.LeadOutCounter = 64;
    SetSequence(s, kExitSeq);
    SetMurphyState(s, p, kExitEntered);
    s.MurphyDelay = 0;
    s.PortPassActive = 0;
    return true;
}

// A push waits with Murphy in place: his cell carries the push, the far cell is reserved.
bool StartPush(GameState& s, int p, int target, int state, Seq seq, int startSprite,
               int secondSprite) {
    subDrawCellSprite(s, p, startSprite);
    SetSequence(s, seq);
    s.MurphyDrawCell = static_cast<int16_t>(target);
    s.MurphySecondSprite = static_cast<int16_t>(secondSprite);
    s.MurphyOverlayOffset = static_cast<int16_t>(p - target);
    SetMurphyState(s, p, state);
    s.MurphyDelay = 8;
    return true;
}

bool EatRedDisk(GameState& s, int16_t& murphyPos, int target, int direction) {
    auto& f = s.PlayField16;
    const int p = murphyPos;
    switch (direction) {
        case kUp:
        case kDown:
            // Murphy stays and eats the disk from his cell.
            if (direction == kDown) s.MurphyDownTarget = f[target];
            SetMurphyState(s, p, kEatRedDisk + direction - 1);
            f[target] = kMurphyTrail;
            SetSequence(s, VerticalSequence(s));
            s.MurphyDelay = 0;
            return true;
        case kLeft:
            return MoveInto(s, murphyPos, target, kEatRedDisk + 1, kWalkLeft);
        default:
            MoveInto(s, murphyPos, target, kEatRedDisk + 3, kWalkRight);
            // Eating to the right lasts nine frames.
            s.MurphyAnimPhase = -1;
            if (!s.Rules.AllowEatRightRedDiskBug) {
                s.MurphyScreenXPos = static_cast<int16_t>(s.MurphyScreenXPos - 4);
            }
            return true;
    }
}

}  // namespace

bool StartMove(GameState& s, int16_t& murphyPos, int direction) {
    auto& f = s.PlayField16;
    const int p = murphyPos;
    const int w = s.FieldWidth;
    int dir = direction;
    if (s.MurphyFalling == 1 && f[p + w] == 0) {
        // While falling he can only eat a base beside or above him; anything else is a fall.
        const bool baseAhead = (dir == kUp && f[p - w] == kBase) ||
                               (dir == kLeft && f[p - 1] == kBase) ||
                               (dir == kRight && f[p + 1] == kBase);
        if (!baseAhead) dir = kDown;
    }
    switch (dir) {
        case kUp:
            s.MurphyDY = -2;
            break;
        case kLeft:
            s.MurphyDX = -2;
            s.MurphyFacingLeft = 1;
            break;
        case kDown:
            s.MurphyDY = 2;
            break;
        default:
            s.MurphyDX = 2;
            s.MurphyFacingLeft = 0;
            break;
    }
    const int d = DirectionOffset(s, dir);
    const int t = p + d;
    const int b = t + d;
    const bool sideways = dir == kLeft || dir == kRight;

    for (;;) {
        const uint16_t v = f[t];
        if (v == 0) return MoveInto(s, murphyPos, t, dir, MoveSequence(s, dir));
        if (v == kBase || LowByte(v) == kBug) {
            if (v != kBase && !TakeBugAsBase(s, p, t)) return false;
            PlayBaseSound(s);
            static constexpr int kBaseStates[] = {kBaseUp, kMoveLeft, kBaseDown, kBaseRight};
            if (dir == kDown) s.MurphyDownTarget = kBase;
            return MoveInto(s, murphyPos, t, kBaseStates[dir - 1], MoveSequence(s, dir));
        }
        if (v == kInfotron) {
            PlayInfotronSound(s);
            if (dir == kDown) s.MurphyDownTarget = kInfotron;
            if (!sideways)
                return MoveInto(s, murphyPos, t, kInfotronUp + dir - 1, MoveSequence(s, dir));
            // Eating sideways draws a picture two cells wide in place.
            s.MurphySecondSprite = kSecondSpriteTwoCells;
            s.MurphyOverlayOffset = static_cast<int16_t>(d);
            s.MurphyClearCell = -1;
            return MoveInto(s, murphyPos, t, kInfotronUp + dir - 1,
                            dir == kLeft ? Seq(kEatInfotronLeft) : Seq(kEatInfotronRight));
        }
        if (v == kExit) return EnterExit(s, p);
        if (v == kZonk && dir == kLeft) {
            if (f[b] != 0) return false;
            f[b] = kPushTargetZonk;
            return StartPush(s, p, t, kPushZonkLeft, kPushZonkLeftSeq, kSpritePushLeft,
                             kSpritePushLeft);
        }
        if (v == kZonk && dir == kRight) {
            // A Zonk over a hole cannot be pushed to the right.
            if (f[b] != 0 || f[t + w] == 0) return false;
            f[b] = kPushTargetZonk;
            return StartPush(s, p, t, kPushZonkRight, kPushZonkRightSeq, kSpritePushRight,
                             kSpritePushRight);
        }
        if (LowByte(v) == kTerminal) {
            UseTerminal(s, p, t, dir);
            return false;
        }
        if (PortPassable(LowByte(v), dir)) {
            if (f[b] != 0) return false;
            AddStep(s);
            f[b] = kMurphyTrail;
            s.MurphyOverlayOffset = static_cast<int16_t>(d);
            SetMurphyState(s, p, kPortPass + dir - 1);
            s.PortPassActive = 1;
            s.MurphyDelay = 0;
            SetSequence(s, dir == kLeft    ? Seq(kWalkLeft)
                           : dir == kRight ? Seq(kWalkRight)
                                           : Seq(kPortSeq));
            return true;
        }
        if (LowByte(v) == kRedDisk) return EatRedDisk(s, murphyPos, t, dir);
        if (LowByte(v) == kYellowDisk) {
            if (f[b] != 0) return false;
            f[b] = kPushTargetYellow;
            static constexpr int kYellowStates[] = {kPushYellowUp, kPushYellowLeft, kPushYellowDown,
                                                    kPushYellowRight};
            const int second = dir == kLeft    ? kSpritePushLeft
                               : dir == kRight ? kSpritePushRight
                                               : kSpritePushVertical;
            return StartPush(s, p, t, kYellowStates[dir - 1], kPushYellowSeq,
                             dir == kLeft ? kSpritePushLeft : kSpritePushRight, second);
        }
        if (v == kOrangeDisk && sideways) {
            if (f[b] != 0) return false;
            if (dir == kRight && f[t + w] == 0) return false;
            f[b] = dir == kLeft ? kPushTargetOrange : kPushTargetZonk;
            const int sprite = dir == kLeft ? kSpritePushLeft : kSpritePushRight;
            return StartPush(s, p, t, dir == kLeft ? kPushOrangeLeft : kPushOrangeRight,
                             kPushOrangeSeq, sprite, sprite);
        }
        if (subMurphyRunsInto(s, t, v, dir) != 0) return false;
    }
}

bool StartSnap(GameState& s, int p, int direction) {
    auto& f = s.PlayField16;
    s.MurphyClearCell = -1;
    const int t = p + DirectionOffset(s, direction);
    s.MurphyDrawCell = static_cast<int16_t>(t);
    if (direction == kLeft) s.MurphyFacingLeft = 1;
    if (direction == kRight) s.MurphyFacingLeft = 0;
    // A snap starts with no delay, whatever a cancelled push or red disk left behind.
    const uint16_t v = f[t];
    if (v == kBase || LowByte(v) == kBug) {
        if (v != kBase && !TakeBugAsBase(s, p, t)) return false;
        subDrawCellSprite(s, p, SnapSprite(direction));
        PlayBaseSound(s);
        SetSequence(s, kSnapBaseSeq);
        SetMurphyState(s, p, kSnapBase + direction - 1);
        s.MurphyDelay = 0;
        return true;
    }
    if (v == kInfotron) {
        subDrawCellSprite(s, p, SnapSprite(direction));
        PlayInfotronSound(s);
        SetSequence(s, kSnapInfotronSeq);
        SetMurphyState(s, p, kSnapInfotron + direction - 1);
        SetHighByte(f[t], 0xFF);
        s.MurphyDelay = 0;
        return true;
    }
    if (LowByte(v) == kTerminal) {
        UseTerminal(s, p, t, direction);
        return false;
    }
    if (LowByte(v) == kRedDisk) {
        SetSequence(s, kSnapRedDiskSeq);
        SetMurphyState(s, p, kSnapRedDisk + direction - 1);
        SetHighByte(f[t], 3);
        s.MurphyDelay = 0;
        return true;
    }
    return false;
}

bool StartLayingRedDisk(GameState& s, int p) {
    s.MurphyClearCell = -1;
    // Needs a disk, no disk already laid, and a previous decision frame without input.
    if ((s.RedDiskCount & 0xFF) == 0 || (s.RedDiskState & 0xFF) != 0 ||
        (s.NoKeyAtRest & 0xFF) != 1) {
        return false;
    }
    SetMurphyState(s, p, kLayRedDisk);
    s.MurphyDelay = 64;
    SetSequence(s, kLayRedDiskSeq);
    s.RedDiskState = static_cast<int16_t>((s.RedDiskState & 0xFF00) | 1);
    s.RedDiskPos = static_cast<int16_t>(p);
    return true;
}

}  // namespace murphy

int subMurphyRunsInto(GameState& s, int cell, uint16_t value, int direction) {
    using namespace murphy;
    // Leaving cells and anything at rest only block.
    if (value == kLeaving || value == kRollLeaving || HighByte(value) == 0) return -1;
    const int code = LowByte(value);
    const int group = HighByte(value) & 0xF0;
    if (code == kZonk) {
        // Walking sideways, some phases of a falling or rolling Zonk only block him; any
        // other moving Zonk is hit.
        bool blocked = false;
        if (direction == kLeft) {
            blocked = group == 0x20 || group == 0x40 || group == 0x50 || group == 0x70;
        } else if (direction == kRight) {
            blocked = group == 0x30 || group == 0x40 || group == 0x60 || group == 0x70;
        }
        if (!blocked) subExplodeAt(s, cell);
        return -1;
    }
    if (code == kExplosion) {
        const int phase = HighByte(value);
        if (phase >= 4 && phase <= 127) {
            // A dying explosion: Murphy walks into it.
            s.PlayField16[cell] = 0;
            return 0;
        }
        subExplodeAt(s, cell);
        return -1;
    }
    if (code >= kOrangeDisk && code <= kPortUp) return -1;
    // Anything else that is moving or busy.
    subExplodeAt(s, cell);
    return -1;
}

}  // namespace tsn
