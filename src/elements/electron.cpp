// Electrons: wall-following enemies like Snik Snaks, but they strike at Murphy in a port too,
// and their explosions leave Infotrons behind.
#include "elements/elements.h"
#include "elements/enemy.h"
#include "engine/animation.h"
#include "engine/element_codes.h"

namespace tsn {

namespace {
// An Electron looks the same whichever way it moves: step k shows frame k of its spin.
constexpr std::array<int16_t, 9> kSpin = WidenSprites(ElectronFrames);
constexpr EnemyFamily kElectronFamily{
    kElectron,
    false,
    kSpin,
    {kSpin, kSpin, kSpin, kSpin},
};
}  // namespace

void subElectronFrame(GameState& s, int cell) {
    EnemyFrame(s, cell, kElectronFamily);
}

void subElectronDraw(GameState& s, int cell) {
    EnemyDraw(s, cell, kElectronFamily);
}

}  // namespace tsn
