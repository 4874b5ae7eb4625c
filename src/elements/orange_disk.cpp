// Orange disks fall straight down when nothing is below them and explode when they land on
// anything. They ignore both freeze flags.
//
// States (high byte): below 0x20 at rest; 0x20, 0x21 about to fall, the cell below reserved
// as kPushTargetOrange; 0x30..0x37 falling, the disk still in its upper cell and the picture moving down.
#include "elements/elements.h"
#include "engine/cell.h"
#include "engine/cell_markers.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {

void subOrangeDiskFrame(GameState& s, int p) {
    uint16_t* f = s.PlayField16.cell0();
    const uint16_t v = f[p];
    if (LowByte(v) != kOrangeDisk) return;
    const int w = s.FieldWidth;
    const int below = p + w;
    if (v < 0x2008) {  // at rest
        if (f[below] != 0) return;
        f[p] = 0x2008;
        f[below] = kPushTargetOrange;
        return;
    }
    if (v < 0x3008) {  // about to fall
        if (f[below] == 0) {
            f[p] = kOrangeDisk;  // the reservation was taken away: back to rest
            return;
        }
        int st = HighByte(v) + 1;
        if (st == 0x22) st = 0x30;
        SetHighByte(f[p], st);
        return;
    }
    // Falling.
    int st = HighByte(v);
    if (s.Drawing()) {
        const int x = s.CellPixelX(p);
        const int y = s.CellPixelY(p);
        s.view->drawSprite(x, y, 0);
        s.view->drawSprite(x, y + 4 + 4 * (st & 7), kOrangeDisk);
    }
    st = (st + 1) & 0xFF;
    if ((st & 7) != 0) {
        SetHighByte(f[p], st);
        return;
    }
    f[p] = 0;
    f[below] = kOrangeDisk;
    const uint16_t next = f[below + w];
    if (next != 0) {
        if (LowByte(next) != kExplosion) subExplodeAt(s, below);
        return;
    }
    f[below] = 0x3008;  // nothing below: falls on without a pause
    f[below + w] = kPushTargetOrange;
}

}  // namespace tsn
