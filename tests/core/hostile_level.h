#pragma once
// A container level of any shape with explosive elements at the ends of the field, to run
// levels whose rows are longer than any fixed margin.
#include <cstdint>
#include <vector>

#include "engine/element_codes.h"
#include "engine/level_info.h"
#include "files/tsn_header.h"

namespace tsn::test {

// Murphy at the top-left beside a terminal, out of reach of the blasts; yellow disks at the
// ends of the first and last rows and in the middle, with an Electron, an orange disk, a Zonk,
// a Snik Snak and a bug beside them. `disks` receives the cells of the yellow disks; `demo`,
// when given, follows the level as its demo block.
inline std::vector<uint8_t> HostileLevel(int w, int h, std::vector<int>& disks,
                                         const std::vector<uint8_t>& demo = {}) {
    const int n = w * h;
    std::vector<uint8_t> field(static_cast<size_t>(n), kSpace);
    auto put = [&](int cell, int code) {
        if (cell > 9 && cell < n && field[static_cast<size_t>(cell)] == kSpace)
            field[static_cast<size_t>(cell)] = static_cast<uint8_t>(code);
    };
    field[8] = kMurphy;
    field[9] = kTerminal;
    disks.clear();
    for (int cell : {w - 1, n - w, n - 1, n / 2 + w / 2}) {
        if (cell > 9 && field[static_cast<size_t>(cell)] == kSpace) disks.push_back(cell);
        put(cell, kYellowDisk);
    }
    put(n - 2, kElectron);
    put(n - w + 1, kOrangeDisk);
    put(w - 2, kZonk);
    put(n / 2 + w / 2 - 1, kSnikSnak);
    put(n / 2 + w / 2 + 1, kBug);
    return TsnBytes(w, h, field, LevelInfo{}, demo);
}

}  // namespace tsn::test
