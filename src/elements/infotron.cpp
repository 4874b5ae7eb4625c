// Infotrons: the collectables. They fall and roll like Zonks, are never frozen, and explode
// Murphy, enemies and disks they land on. A rolled Infotron waits in its new cell until the
// cell below is free instead of falling on at once.
#include "elements/round_elements.h"
#include "engine/animation.h"
#include "engine/element_codes.h"

namespace tsn {

namespace {

struct InfotronKind {
    static constexpr int kCode = kInfotron;
    static constexpr bool kObeysFreeze = false;
    static constexpr bool kRollsBesideFallTarget = false;
    static constexpr uint16_t kBelowAfterRoll = kFallTarget;
    static constexpr bool kFallsAfterRoll = false;
    static constexpr int kRestSprite = 4;
    static int RollLeftSprite(int i) { return InfotronRollLeftFrames[static_cast<size_t>(i)]; }
    static int RollRightSprite(int i) { return InfotronRollRightFrames[static_cast<size_t>(i)]; }
    static void Vacated(GameState& s, int cell) { subInfotronVacated(s, cell); }

    static bool Hit(GameState& s, int below, uint16_t b) {
        const int code = LowByte(b);
        if (code == kMurphy) {
            if (!round::MurphyPushingSideways(HighByte(b))) subExplodeAt(s, below);
            return true;
        }
        if (b == kRedDisk || code == kSnikSnak || code == kElectron || b == kYellowDisk ||
            b == kOrangeDisk) {
            subExplodeAt(s, below);
            return true;
        }
        return false;
    }
};

}  // namespace

void subInfotronFrame(GameState& s, int cell) {
    round::RoundElement<InfotronKind>::Frame(s, cell);
}

void subInfotronVacated(GameState& s, int c) {
    uint16_t* f = s.PlayField16.cell0();
    if (LowByte(f[c]) != kExplosion) f[c] = 0;
    const int a = c - s.FieldWidth;
    const bool open =
        f[a] == 0 || (f[a] == kFallTarget && LowByte(f[a - s.FieldWidth]) == kZonk);
    if (!open) return;
    if (f[a - 1] == kInfotron && round::IsRound(f[c - 1])) {
        f[a - 1] = 0x6004;
        f[a] = kRollTarget;
    } else if (f[a + 1] == kInfotron && round::IsRound(f[c + 1])) {
        f[a + 1] = 0x5004;
        f[a] = kRollTarget;
    }
}

}  // namespace tsn
