#include "editor/region_ops.h"

#include <algorithm>
#include <utility>

#include "editor/put_element.h"
#include "editor/special_ports.h"
#include "engine/game_state.h"

namespace tsn {

namespace {

// Exchanges two cells of the field; a special port's entry follows its cell.
void SwapCells(GameState& s, int a, int b) {
    if (a == b) return;
    const int entryA = FindSpecialPort(s, a);
    const int entryB = FindSpecialPort(s, b);
    std::swap(s.FieldBytes[static_cast<size_t>(a)], s.FieldBytes[static_cast<size_t>(b)]);
    auto move = [&](int entry, int to) {
        if (entry == 0) return;
        SpecialPortInfo p = s.Info.specialPort(entry - 1);
        p.position = static_cast<int16_t>(to * 2);
        s.Info.setSpecialPort(entry - 1, p);
    };
    move(entryA, b);
    move(entryB, a);
}

}  // namespace

bool RegionFits(const GameState& s, const Region& r) {
    return r.x1 >= 0 && r.y1 >= 0 && r.x1 <= r.x2 && r.y1 <= r.y2 && r.x2 < s.FieldWidth &&
           r.y2 < s.FieldHeight;
}

Region DialogRegion(int x1, int x2, int y1, int y2, bool all, bool border, int width, int height) {
    if (all && !border) {
        x1 = 2;
        x2 = width - 1;
        y1 = 2;
        y2 = height - 1;
    }
    auto column = [&](int v) { return std::clamp(v, 1, std::max(1, width)) - 1; };
    auto row = [&](int v) { return std::clamp(v, 1, std::max(1, height)) - 1; };
    return Region{column(x1), row(y1), column(x2), row(y2)};
}

bool FillRegion(GameState& s, const Region& r, int code, bool outlineOnly) {
    if (!RegionFits(s, r) || !IsPlaceableCode(code)) return false;
    if (outlineOnly) {
        for (int x = r.x1; x <= r.x2; ++x) {
            PutElement(s, x, r.y1, code);
            PutElement(s, x, r.y2, code);
        }
        for (int y = r.y1; y <= r.y2; ++y) {
            PutElement(s, r.x1, y, code);
            PutElement(s, r.x2, y, code);
        }
        return true;
    }
    for (int x = r.x1; x <= r.x2; ++x) {
        for (int y = r.y1; y <= r.y2; ++y) PutElement(s, x, y, code);
    }
    return true;
}

bool FlipLeftRight(GameState& s, const Region& r) {
    if (!RegionFits(s, r)) return false;
    for (int y = r.y1; y <= r.y2; ++y) {
        for (int x = r.x1; x <= r.x1 + (r.x2 - r.x1) / 2; ++x) {
            SwapCells(s, s.CellIndex(x, y), s.CellIndex(r.x2 - (x - r.x1), y));
        }
    }
    return true;
}

bool FlipTopBottom(GameState& s, const Region& r) {
    if (!RegionFits(s, r)) return false;
    for (int x = r.x1; x <= r.x2; ++x) {
        for (int y = r.y1; y <= r.y1 + (r.y2 - r.y1) / 2; ++y) {
            SwapCells(s, s.CellIndex(x, y), s.CellIndex(x, r.y2 - (y - r.y1)));
        }
    }
    return true;
}

}  // namespace tsn
