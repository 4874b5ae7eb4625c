#include "editor/put_element.h"

#include "editor/editor_coding.h"
#include "editor/special_ports.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {

std::array<uint8_t, kPaletteSize> PaletteCodes() {
    std::array<uint8_t, kPaletteSize> codes{};
    int n = 0;
    for (int code = kSpace; code <= kPortUp; ++code) codes[static_cast<size_t>(n++)] = static_cast<uint8_t>(code);
    for (int code = kSnikSnak; code <= kWallSpace; ++code) codes[static_cast<size_t>(n++)] = static_cast<uint8_t>(code);
    return codes;
}

bool IsPlaceableCode(int code) {
    if (code == kEditorBug || code == kHardwareTrash1) return true;
    return (code >= kSpace && code <= kPortUp) || (code >= kSnikSnak && code <= kWallSpace);
}

bool PutElement(GameState& s, int column, int row, int code) {
    // A point beside the field (its frame) is no cell of the level, even where its index
    // would be one of the row before or after.
    if (column < 0 || column >= s.FieldWidth || row < 0 || row >= s.FieldHeight) return false;
    if (!IsPlaceableCode(code)) return false;
    const int index = row * s.FieldWidth + column;
    RemoveSpecialPort(s, column, row);
    s.FieldBytes[static_cast<size_t>(index)] = EditorCode(code);
    s.PlayField16[index] = GameCode(code);
    return true;
}

void PlaceBorder(GameState& s) {
    const int w = s.FieldWidth, h = s.FieldHeight;
    for (int x = 0; x < w; ++x) {
        PutElement(s, x, 0, kHardware);
        PutElement(s, x, h - 1, kHardware);
    }
    for (int y = 1; y < h - 1; ++y) {
        PutElement(s, 0, y, kHardware);
        PutElement(s, w - 1, y, kHardware);
    }
}

}  // namespace tsn
