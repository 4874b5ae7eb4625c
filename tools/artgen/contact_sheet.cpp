#include <string>

#include "artgen.h"
#include "font.h"

namespace tsn::art {

Image BuildContactSheet(const Image& sheet) {
    constexpr int kLabel = 26, kPic = 64, kGap = 6;
    constexpr int kSlotW = kLabel + kPic + kGap, kSlotH = kPic + kGap;
    Image page(16 * kSlotW + kGap, 16 * kSlotH + kGap, 0x2A2C33);
    for (int n = 0; n < 256; ++n) {
        const int sx = kGap + (n % 16) * kSlotW, sy = kGap + (n / 16) * kSlotH;
        DrawText(page, sx, sy + 2, std::to_string(n), 0xE0E4EC, 2);
        page.fillRect(sx + kLabel - 1, sy - 1, kPic + 2, kPic + 2, 0x5A5E6A);
        Image cell(32, 32);
        cell.blitPart(sheet, (n % 16) * 32, (n / 16) * 32, 32, 32, 0, 0);
        page.blit(cell.scaled(2), sx + kLabel, sy);
    }
    return page;
}

}  // namespace tsn::art
