// Explosions: the one way anything is destroyed or killed. An explosion turns a 3 x 3 block
// into explosion cells; explosive elements caught in it get a timer and explode again later.
#include <cstring>

#include "engine/animation.h"
#include "engine/cell.h"
#include "engine/cell_markers.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/sounds.h"
#include "elements/elements.h"

namespace tsn {

namespace {

constexpr uint16_t kNormalExplosion = 0x001F;
constexpr uint16_t kElectronExplosion = 0x801F;
constexpr int kChainDelay = 13;

// The per-cell timers live in LevelBytes; only field cells have one.
bool HasTimer(const GameState& s, int cell) { return cell >= 0 && cell <= s.FieldUpper; }

void SetTimer(GameState& s, int cell, int timer) {
    if (HasTimer(s, cell)) s.LevelBytes[static_cast<size_t>(cell)] = static_cast<uint8_t>(timer);
}

// Frees the cells a moving Zonk or Infotron had reserved.
void FreeReservations(GameState& s, int c, uint16_t before, bool infotron) {
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    switch (HighByte(before) & 0xF0) {
        case 0x10:
        case 0x70:
            subClearUnlessExploding(s, c - w);
            if (f[c + w] == kFallTarget) subClearUnlessExploding(s, c + w);
            break;
        case 0x20:
            subClearUnlessExploding(s, c + 1);
            if (!infotron || f[c + w] == kFallTarget) subClearUnlessExploding(s, c + w);
            break;
        case 0x30:
            subClearUnlessExploding(s, c - 1);
            if (!infotron || f[c + w] == kFallTarget) subClearUnlessExploding(s, c + w);
            break;
        case 0x50:
            subClearUnlessExploding(s, c - 1);
            break;
        case 0x60:
            subClearUnlessExploding(s, c + 1);
            break;
        default:
            break;
    }
}

}  // namespace

void subClearUnlessExploding(GameState& s, int cell) {
    if (LowByte(s.PlayField16[cell]) == kExplosion) return;
    s.PlayField16[cell] = 0;
    s.DrawCellSprite(cell, 0);
}

void subExplodeCell(GameState& s, int cell, uint16_t value, int timer) {
    if (cell < -s.FieldWidth) return;
    auto& c = s.PlayField16[cell];
    const uint16_t before = c;
    switch (LowByte(before)) {
        case kHardware:
            return;
        case kMurphy:
            s.MurphyKilled = 1;
            SetTimer(s, cell, timer);
            c = value;
            return;
        case kOrangeDisk:
        case kSnikSnak:
        case kYellowDisk:
            SetTimer(s, cell, timer);
            c = value;
            return;
        case kElectron:
            SetTimer(s, cell, -timer);
            c = kElectronExplosion;
            return;
        case kZonk:
            c = value;
            FreeReservations(s, cell, before, false);
            return;
        case kInfotron:
            c = value;
            FreeReservations(s, cell, before, true);
            return;
        default:
            c = value;
            return;
    }
}

void subExplodeAt(GameState& s, int p) {
    auto& f = s.PlayField16;
    if (LowByte(f[p]) == kHardware) return;
    s.ExplosionInProgress = 1;
    if (LowByte(f[p]) == kMurphy) s.MurphyKilled = 1;
    uint16_t value = kNormalExplosion;
    int timer = kChainDelay;
    if (LowByte(f[p]) == kElectron) {
        value = kElectronExplosion;
        timer = -kChainDelay;
    }
    const int w = s.FieldWidth;
    subExplodeCell(s, p - w - 1, value, timer);
    subExplodeCell(s, p - w, value, timer);
    subExplodeCell(s, p - w + 1, value, timer);
    subExplodeCell(s, p - 1, value, timer);
    f[p] = value;
    subExplodeCell(s, p + 1, value, timer);
    subExplodeCell(s, p + w - 1, value, timer);
    subExplodeCell(s, p + w, value, timer);
    subExplodeCell(s, p + w + 1, value, timer);
    PlayExplosionSound(s);
}

void subExplosionFrame(GameState& s, int p) {
    auto& c = s.PlayField16[p];
    if (LowByte(c) != kExplosion || s.Frames() % 4 != 0) return;
    const int step = HighByte(c) + 1;
    if (step - 1 < 0x80) {
        SetHighByte(c, step);
        if (step < static_cast<int>(ExplosionFrames.size())) {
            s.DrawCellSprite(p, ExplosionFrames[static_cast<size_t>(step)]);
        }
        if (step == 8) {
            c = 0;
            s.ExplosionInProgress = 0;
        }
        return;
    }
    if (step == 0x89) {
        c = kInfotron;
        s.ExplosionInProgress = 0;
        return;
    }
    SetHighByte(c, step);
    s.DrawCellSprite(p, step - 17);
}

void subTimedExplosions(GameState& s) {
    uint8_t* timers = s.LevelBytes.data();
    const int last = s.FieldUpper;
    for (int i = 0; i <= last; ++i) {
        // Most cells have no timer: skip eight of them at a time.
        if ((i & 7) == 0 && i + 7 <= last) {
            uint64_t eight;
            std::memcpy(&eight, timers + i, sizeof eight);
            if (eight == 0) {
                i += 7;
                continue;
            }
        }
        const int t = SignedByte(timers[i]);
        if (t == 0) continue;
        if (t < 0) {
            timers[i] = static_cast<uint8_t>(t + 1);
            if (t + 1 == 0) {
                s.PlayField16[i] = 0xFF18;
                subExplodeAt(s, i);
            }
        } else {
            timers[i] = static_cast<uint8_t>(t - 1);
            if (t - 1 == 0) subExplodeAt(s, i);
        }
    }
}

void subLaidRedDiskFrame(GameState& s) {
    if (s.RedDiskState <= 1) return;
    if (s.PlayField16[s.RedDiskPos] == 0) s.PlayField16[s.RedDiskPos] = kRedDisk;
    s.DrawCellSprite(s.RedDiskPos, kRedDisk);
    s.RedDiskState = static_cast<int16_t>(s.RedDiskState + 1);
    if (s.RedDiskState == 40) {
        subExplodeAt(s, s.RedDiskPos);
        s.RedDiskState = 0;
    }
}

}  // namespace tsn
