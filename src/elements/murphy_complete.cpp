// Murphy's action under way: the waiting frames of pushes and of laying a red disk (which the
// player can cancel by letting go), the animation frames, and the completion that rewrites
// the cells involved once the animation has run out.
#include "elements/elements.h"
#include "elements/murphy_internal.h"
#include "engine/cell.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/sounds.h"

namespace tsn {

namespace murphy {

namespace {

int16_t Add16(int a, int b) {
    return static_cast<int16_t>(a + b);
}

bool ZonkOrInfotron(uint16_t v) {
    return v == kZonk || v == kInfotron;
}
bool Round(uint16_t v) {
    return v == kZonk || v == kInfotron || v == kRam;
}

// Sprite `i` of the current sequence; -1 past its end.
int SequenceAt(const GameState& s, int i) {
    if (i < 0 || i >= static_cast<int>(s.MurphyAnimSequence.size())) return -1;
    return s.MurphyAnimSequence[static_cast<size_t>(i)];
}

void DrawAt(GameState& s, int cell, int dx, int dy, int sprite) {
    if (sprite < 0) return;
    s.DrawSpriteAt(s.CellPixelX(cell) + dx, s.CellPixelY(cell) + dy, sprite);
}

// A push goes on while the object is still there and the key of its direction is still held;
// otherwise it is called off and everything is put back.
void HoldPush(GameState& s, int p, uint16_t object, int direction) {
    auto& f = s.PlayField16;
    const int d = DirectionOffset(s, direction);
    const int pushed = p + d;
    const int far = p + 2 * d;
    if (f[pushed] == object && s.MurphyInput == direction) return;
    f[p] = kMurphy;
    f[pushed] = object;
    ClearUnlessExploding(s, far);
    subDrawCellSprite(s, p, kSpriteMurphy);
}

// A frame of the delay before a push moves or a red disk is laid.
void DelayFrame(GameState& s, int p) {
    s.MurphyDelay = static_cast<uint16_t>(s.MurphyDelay - 1);
    if (s.MurphyDelay == 0) PlayPushSound(s);
    switch (HighByte(s.PlayField16[p])) {
        case kPushZonkLeft: return HoldPush(s, p, kZonk, kLeft);
        case kPushZonkRight: return HoldPush(s, p, kZonk, kRight);
        case kPushOrangeLeft: return HoldPush(s, p, kOrangeDisk, kLeft);
        case kPushOrangeRight: return HoldPush(s, p, kOrangeDisk, kRight);
        case kPushYellowUp: return HoldPush(s, p, kYellowDisk, kUp);
        case kPushYellowLeft: return HoldPush(s, p, kYellowDisk, kLeft);
        case kPushYellowRight: return HoldPush(s, p, kYellowDisk, kRight);
        case kPushYellowDown: return HoldPush(s, p, kYellowDisk, kDown);
        case kLayRedDisk:
            if (s.MurphyInput == 9) {
                // Half way through, the disk shows in his hands.
                if (s.MurphyDelay == 32) {
                    subDrawCellSprite(s, p, kSpriteRedDiskReady);
                    s.RedDiskState = 1;
                }
                return;
            }
            s.PlayField16[p] = kMurphy;
            subDrawCellSprite(s, p, kSpriteMurphy);
            s.RedDiskState = 0;
            return;
        default:
            return;
    }
}

void DrawFrame(GameState& s) {
    const int ph = s.MurphyAnimPhase;
    const int ox = (ph + 1) * 2 * s.MurphyDX;
    const int oy = (ph + 1) * 2 * s.MurphyDY;
    const int drawCell = s.MurphyDrawCell;
    const int c2 = drawCell + s.MurphyOverlayOffset;
    if (s.PortPassActive == 0) {
        s.MurphyScreenXPos = Add16(s.MurphyScreenXPos, 2 * s.MurphyDX);
        s.MurphyScreenYPos = Add16(s.MurphyScreenYPos, 2 * s.MurphyDY);
        if (!s.Drawing()) return;
        if (s.MurphyClearCell >= 0) subDrawCellSprite(s, s.MurphyClearCell, kSpriteEmpty);
        const bool twoCells = s.MurphySecondSprite == kSecondSpriteTwoCells;
        DrawAt(s, drawCell, twoCells ? 0 : ox, twoCells ? 0 : oy, SequenceAt(s, ph < 0 ? 0 : ph));
        if (s.MurphySecondSprite < 0) return;
        if (twoCells) {
            const int sprite = SequenceAt(s, ph);
            if (sprite >= 0) DrawAt(s, c2, 0, 0, sprite + s.MurphyOverlayOffset);
        } else {
            DrawAt(s, c2, ox, oy, s.MurphySecondSprite);
        }
        return;
    }
    // Through a port: two cells at double speed, the port drawn over him.
    s.MurphyScreenXPos = Add16(s.MurphyScreenXPos, 4 * s.MurphyDX);
    s.MurphyScreenYPos = Add16(s.MurphyScreenYPos, 4 * s.MurphyDY);
    if (!s.Drawing()) return;
    subDrawCellSprite(s, s.MurphyClearCell, kSpriteEmpty);
    DrawAt(s, drawCell, ox, oy, SequenceAt(s, ph));
    DrawAt(s, c2, ox, oy, SequenceAt(s, ph));
    subDrawCellSprite(s, c2, LowByte(s.PlayField16[c2]));
}

void ShowInfotronsNeeded(GameState& s) {
    if (s.Drawing()) s.view->showInfotronsNeeded(s.InfotronsNeeded);
}

// The red-disk label shows the disks Murphy now holds; it is cleared 70 frames after the first
// of a series of changes.
void ShowRedDisks(GameState& s) {
    if (s.Drawing()) s.view->showRedDisks(s.RedDiskCount & 0xFF);
    if (s.RedDiskShowCount == 0) s.RedDiskShowCount = 70;
}

// The animation has run out: rewrite the cells of the action. Murphy is at rest afterwards.
void Complete(GameState& s, int16_t& murphyPos) {
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = murphyPos;
    s.MurphyCoarseX = Add16(s.MurphyCoarseX, s.MurphyDX);
    s.MurphyCoarseY = Add16(s.MurphyCoarseY, s.MurphyDY);
    int state = HighByte(f[p]);
    SetHighByte(f[p], 0);

    // Eating an Infotron completes like the move or snap it is part of.
    if (state >= kInfotronUp && state <= kInfotronRight) {
        s.InfotronsNeeded = Add16(s.InfotronsNeeded, -1);
        ShowInfotronsNeeded(s);
        state -= kInfotronUp - kMoveUp;
    } else if (state >= kSnapInfotron && state < kSnapInfotron + 4) {
        s.InfotronsNeeded = Add16(s.InfotronsNeeded, -1);
        ShowInfotronsNeeded(s);
        state -= kSnapInfotron - kSnapBase;
    }

    switch (state) {
        case kMoveUp:
        case kBaseUp:
            AddStep(s);
            f[p] = kMurphy;
            subMurphyLeftCell(s, p + w);
            return;
        case kMoveLeft:
            AddStep(s);
            f[p] = kMurphy;
            subMurphyLeftCell(s, p + 1);
            return;
        case kMoveDown:
        case kBaseDown:
            ClearUnlessExploding(s, p - w);
            f[p] = kMurphy;
            if (s.GravityOn == 0) {
                AddStep(s);
            } else if (s.MurphyDownTarget == kBase || s.MurphyDownTarget == kInfotron ||
                       s.MurphyDownTarget == kRedDisk) {
                // Under gravity a plain fall is no step; eating on the way down is.
                AddStep(s);
                s.MurphyDownTarget = 0;
            }
            return;
        case kMoveRight:
        case kBaseRight:
            subMurphyLeftCell(s, p - 1);
            f[p] = kMurphy;
            AddStep(s);
            return;
        case kPushZonkLeft:
        case kPushZonkRight: {
            const int d = state == kPushZonkLeft ? -1 : 1;
            ClearUnlessExploding(s, p);
            f[p + d] = kMurphy;
            f[p + 2 * d] = kZonk;
            subPushedZonkLanded(s, p + 2 * d);
            murphyPos = static_cast<int16_t>(p + d);
            return;
        }
        case kSnapBase:
        case kSnapBase + 1:
        case kSnapBase + 2:
        case kSnapBase + 3:
            ClearUnlessExploding(s, p + DirectionOffset(s, state - kSnapBase + 1));
            return;
        case kPortPass:
        case kPortPass + 1:
        case kPortPass + 2:
        case kPortPass + 3: {
            const int d = DirectionOffset(s, state - kPortPass + 1);
            ClearUnlessExploding(s, p);
            f[p + 2 * d] = kMurphy;
            s.PortPassActive = 0;
            if (HighByte(f[p + d]) == 1) subSpecialPortEntered(s, p + d);
            murphyPos = static_cast<int16_t>(p + 2 * d);
            return;
        }
        case kEatRedDisk:
        case kEatRedDisk + 2: {
            ClearUnlessExploding(s, p);
            murphyPos = static_cast<int16_t>(state == kEatRedDisk ? p - w : p + w);
            f[murphyPos] = kMurphy;
            subRedDiskCollected(s, murphyPos);
            return;
        }
        case kEatRedDisk + 1:
        case kEatRedDisk + 3:
            ClearUnlessExploding(s, state == kEatRedDisk + 1 ? p + 1 : p - 1);
            f[p] = kMurphy;
            subRedDiskCollected(s, p);
            return;
        case kSnapRedDisk:
        case kSnapRedDisk + 1:
        case kSnapRedDisk + 2:
        case kSnapRedDisk + 3: {
            const int c = p + DirectionOffset(s, state - kSnapRedDisk + 1);
            ClearUnlessExploding(s, c);
            subRedDiskCollected(s, c);
            return;
        }
        case kPushYellowUp:
        case kPushYellowLeft:
        case kPushYellowRight:
        case kPushYellowDown:
        case kPushOrangeLeft:
        case kPushOrangeRight: {
            int d = 0;
            switch (state) {
                case kPushYellowUp:
                    d = -w;
                    break;
                case kPushYellowLeft:
                case kPushOrangeLeft:
                    d = -1;
                    break;
                case kPushYellowRight:
                case kPushOrangeRight:
                    d = 1;
                    break;
                default:
                    d = w;
                    break;
            }
            const bool orange = state == kPushOrangeLeft || state == kPushOrangeRight;
            ClearUnlessExploding(s, p);
            murphyPos = static_cast<int16_t>(p + d);
            f[p + d] = kMurphy;
            f[p + 2 * d] = orange ? kOrangeDisk : kYellowDisk;
            // An orange disk pushed right onto a hole starts to fall at once.
            if (state == kPushOrangeRight && f[p + 2 * d + w] == 0) {
                SetHighByte(f[p + 2 * d], 0x20);
                f[p + 2 * d + w] = kPushTargetOrange;
            }
            return;
        }
        case kLayRedDisk:
            f[p] = kMurphy;
            s.RedDiskCount = Add16(s.RedDiskCount, -1);
            s.RedDiskState = 2;
            ShowRedDisks(s);
            return;
        default:
            // The exit's animation has run out (or the state is unknown): the level ends.
            s.EndLevelNow = 1;
            return;
    }
}

}  // namespace

void RunAction(GameState& s, int16_t& murphyPos) {
    s.IdleCounter = 0;
    if (s.MurphyDelay != 0) {
        DelayFrame(s, murphyPos);
        return;
    }
    DrawFrame(s);
    if (s.Drawing()) s.view->followMurphy(s);
    s.MurphyAnimPhase = Add16(s.MurphyAnimPhase, 1);
    if (SequenceAt(s, s.MurphyAnimPhase) != -1) return;
    Complete(s, murphyPos);
}

}  // namespace murphy

void subMurphyLeftCell(GameState& s, int c) {
    using namespace murphy;
    auto& f = s.PlayField16;
    if (LowByte(f[c]) != kExplosion) f[c] = 0;
    const int a = c - s.FieldWidth;
    if (f[a] != 0 && f[a] != kFallTarget) {
        // Whatever stood on the cell now falls into it.
        if (ZonkOrInfotron(f[a])) SetHighByte(f[a], 0x40);
        return;
    }
    // The space above is free: something round beside it may roll in.
    if (ZonkOrInfotron(f[a - 1]) && Round(f[c - 1])) {
        SetHighByte(f[a - 1], 0x60);
        f[a] = kRollTarget;
    } else if (ZonkOrInfotron(f[a + 1]) && Round(f[c + 1])) {
        SetHighByte(f[a + 1], 0x50);
        f[a] = kRollTarget;
    }
}

void subPushedZonkLanded(GameState& s, int cell) {
    const int below = cell + s.FieldWidth;
    const int code = LowByte(s.PlayField16[below]);
    if (code == kSnikSnak || code == kEnemyTrailCode) subExplodeAt(s, below);
}

void subSpecialPortEntered(GameState& s, int cell) {
    // The table holds at most ten entries, whatever the count byte says.
    int count = s.Info.specialPortCount();
    if (count > kMaxSpecialPorts) count = kMaxSpecialPorts;
    for (int n = 0; n < count; ++n) {
        const SpecialPortInfo port = s.Info.specialPort(n);
        if (port.position / 2 != cell) continue;
        s.GravityOn = port.gravity;
        s.ZonksFrozen = port.frozenZonks;
        s.EnemiesFrozen = port.frozenEnemies;
        return;
    }
}

void subRedDiskCollected(GameState& s, int cell) {
    AddStep(s);
    // The disk Murphy laid himself is not counted again (unless the cheat allows it).
    if (!s.Rules.AllowRedDiskCheat && s.RedDiskState != 0 && s.RedDiskPos == cell) return;
    s.RedDiskCount = static_cast<int16_t>((s.RedDiskCount + 1) % 256);
    murphy::ShowRedDisks(s);
}

}  // namespace tsn
