#include "engine/element_codes.h"
#include "engine/cell_markers.h"
#include "engine/game_state.h"
#include "engine/level_start.h"

namespace tsn {

namespace {
// An enemy at rest gets its first move: facing left in place when the left cell is free, else
// already moving into a free cell above or to the right.
void StartEnemy(GameState& s, int i, uint16_t code) {
    auto& f = s.PlayField16;
    if (f[i - 1] == 0) {
        f[i] = static_cast<uint16_t>(0x0100 | code);
    } else if (f[i - s.FieldWidth] == 0) {
        f[i - s.FieldWidth] = static_cast<uint16_t>(0x1000 | code);
        f[i] = kLeaving;
    } else if (f[i + 1] == 0) {
        f[i + 1] = static_cast<uint16_t>(0x2800 | code);
        f[i] = kLeaving;
    }
}
}  // namespace

int ConvertField(GameState& s) {
    auto& f = s.PlayField16;
    int infotrons = 0;
    for (int i = 0; i <= s.FieldUpper; ++i) {
        const uint16_t v = f[i];
        if ((v & 0xFF) == kStartExploding) {
            f[i] = static_cast<uint16_t>((v & 0xFF00) | kExplosion);
            continue;
        }
        if (v == kInfotron) {
            ++infotrons;
        } else if (v == kSnikSnak || v == kElectron) {
            StartEnemy(s, i, v);
        } else if (v == kRamLeft || v == kRamRight || v == kRamTop || v == kRamBottom) {
            f[i] = kRam;
        } else if (v >= kHardwareFirst && v <= kHardwareLast) {
            f[i] = kHardware;
        } else if (v >= kSpecialPortRight && v <= kSpecialPortUp) {
            f[i] = static_cast<uint16_t>(0x0100 | (v - 4));
        }
    }
    return infotrons;
}

void FindMurphy(GameState& s) {
    s.MurphyPos = s.FieldUpper;
    for (int i = 0; i < s.FieldUpper; ++i) {
        if (s.PlayField16[i] == kMurphy) {
            s.MurphyPos = static_cast<int16_t>(i);
            break;
        }
    }
    s.MurphyScreenXPos = s.CellPixelX(s.MurphyPos);
    s.MurphyScreenYPos = s.CellPixelY(s.MurphyPos);
}

}  // namespace tsn
