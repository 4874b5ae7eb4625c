#pragma once
// Rectangle operations of the editor: fill (whole or outline) and the two flips, and the
// rectangle the fill and flip dialogs produce. Regions are 0-based and inclusive. No undo
// snapshot is taken here.
#include <string>

namespace tsn {

struct GameState;

struct Region {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    bool operator==(const Region&) const = default;
};

// True when the region is not empty and lies inside the level.
bool RegionFits(const GameState& s, const Region& r);

// The rectangle of a dialog's OK, from the four typed 1-based numbers: with "All" and without
// "Border" the level inside its border, otherwise the typed numbers; every number is clamped to
// 1 .. width (columns) or 1 .. height (rows), and the result is made 0-based.
Region DialogRegion(int x1, int x2, int y1, int y2, bool all, bool border, int width, int height);

// Writes `code` (25 and 40 in the editor coding) to every cell of the region, or, with
// `outlineOnly`, to its outermost rows and columns only. A special port written over loses its
// entry. False, and nothing changed, when the region does not fit or the code cannot be
// placed.
bool FillRegion(GameState& s, const Region& r, int code, bool outlineOnly);

// Exchanges the cells of every row of the region left to right (FlipLeftRight) or the cells of
// every column top to bottom (FlipTopBottom). Codes move unchanged, so a port keeps its
// direction; a special port's entry moves with its cell. False when the region does not fit.
bool FlipLeftRight(GameState& s, const Region& r);
bool FlipTopBottom(GameState& s, const Region& r);

}  // namespace tsn
