// Zonks: heavy round elements that fall into empty space, roll off other round elements and
// kill what they land on when that is Murphy or an enemy. While Zonks are frozen (value 2) a
// Zonk already falling or rolling completes its move into a cell and then stays.
#include "elements/round_elements.h"
#include "engine/animation.h"
#include "engine/cell_markers.h"
#include "engine/element_codes.h"

namespace tsn {

namespace {

// The Zonk lands on the cell an enemy has just left sideways: the enemy itself is in the side
// cell. It is taken out of its cell (unless that already explodes) and the explosion is centred
// on the landing cell; an Electron there makes it an Electron's explosion.
void HitBeside(GameState& s, int below, int side) {
    uint16_t* f = s.PlayField16.cell0();
    const int e = LowByte(f[side]);
    if (e == kElectron) f[below] = kElectron;
    if (e != kExplosion) f[side] = 0;
    subExplodeAt(s, below);
}

struct ZonkKind {
    static constexpr int kCode = kZonk;
    static constexpr bool kObeysFreeze = true;
    static constexpr bool kRollsBesideFallTarget = true;
    static constexpr uint16_t kBelowAfterRoll = kLeaving;
    static constexpr bool kFallsAfterRoll = true;
    static constexpr int kRestSprite = 1;
    static int RollLeftSprite(int i) { return ZonkRollLeftFrames[static_cast<size_t>(i)]; }
    static int RollRightSprite(int i) { return ZonkRollRightFrames[static_cast<size_t>(i)]; }
    static void Vacated(GameState& s, int cell) { subZonkVacated(s, cell); }

    static bool Hit(GameState& s, int below, uint16_t b) {
        const int code = LowByte(b);
        if (code == kMurphy) {
            if (!round::MurphyPushingSideways(HighByte(b))) HitBeside(s, below, below - 1);
            return true;
        }
        if (code == kSnikSnak || code == kElectron) {
            subExplodeAt(s, below);
            return true;
        }
        if (b == kEnemyTrailLeft) {  // an enemy has just left the cell to the left
            HitBeside(s, below, below - 1);
            return true;
        }
        if (b == kEnemyTrailRight) {  // ... to the right
            HitBeside(s, below, below + 1);
            return true;
        }
        if (b == kOrangeDisk) {
            // The disk is not hit at once: it explodes six frames later.
            if (below >= 0 && static_cast<size_t>(below) < s.LevelBytes.size())
                s.LevelBytes[static_cast<size_t>(below)] = 6;
            return true;
        }
        return false;
    }
};

}  // namespace

void subZonkFrame(GameState& s, int cell) {
    round::RoundElement<ZonkKind>::Frame(s, cell);
}

void subZonkVacated(GameState& s, int c) {
    uint16_t* f = s.PlayField16.cell0();
    if (LowByte(f[c]) != kExplosion) f[c] = 0;
    const int a = c - s.FieldWidth;
    const bool open =
        f[a] == 0 || (f[a] == kFallTarget && LowByte(f[a - s.FieldWidth]) == kInfotron);
    if (!open) return;
    if (f[a - 1] == kZonk && round::IsRound(f[c - 1])) {
        f[a - 1] = 0x6001;  // rolls right into the space above
        f[a] = kRollTarget;
    } else if (f[a + 1] == kZonk && round::IsRound(f[c + 1])) {
        f[a + 1] = 0x5001;  // rolls left
        f[a] = kRollTarget;
    }
}

}  // namespace tsn
