#pragma once
// Placing elements in the edited level (editor coding). No undo snapshot is taken here.
#include <array>
#include <cstdint>

namespace tsn {

struct GameState;

// The codes the palette offers, in its order: 0 .. 12 and 17 .. 40.
inline constexpr int kPaletteSize = 37;
std::array<uint8_t, kPaletteSize> PaletteCodes();
// True for the codes that may be placed: the palette codes and the editor's forms 76 and 41.
bool IsPlaceableCode(int code);

// Places `code` at (column, row): a special port there loses its entry first, then the field
// byte takes the editor coding of the code and the play field the plain code. False, and
// nothing changed, when (column, row) lies outside the field or the code cannot be placed.
bool PutElement(GameState& s, int column, int row, int code);

// Hardware (6) on every cell of the outermost ring, row 0 and the last row first, then the
// first and the last column.
void PlaceBorder(GameState& s);

}  // namespace tsn
