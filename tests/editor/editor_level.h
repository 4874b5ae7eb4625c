#pragma once
// Levels for the editor tests: a map of test_level.h's characters loaded as a level file would
// be and turned into the editor coding, as entering the editor leaves it.
#include <string>
#include <vector>

#include "editor/editor_coding.h"
#include "engine/game_state.h"
#include "files/level_source.h"
#include "test_level.h"

namespace tsn::test {

inline GameState EditedLevel(const std::vector<std::string>& rows, const LevelOptions& options = {}) {
    GameState s;
    LoadMap(s, rows, options);
    ToEditorCoding(s.FieldBytes);
    return s;
}

// The field bytes as map rows; the editor's 76 and 41 show as the Bug and Wall Space they are.
inline std::vector<std::string> FieldMap(const GameState& s) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.FieldHeight; ++y) {
        std::string row;
        for (int x = 0; x < s.FieldWidth; ++x) row += CharOf(GameCode(s.FieldBytes[static_cast<size_t>(CellAt(s, x, y))]));
        rows.push_back(row);
    }
    return rows;
}

// A special-port entry for the cell (x, y) of a level `width` cells wide.
inline SpecialPortInfo PortAt(int width, int x, int y, uint8_t gravity = 0) {
    return SpecialPortInfo{static_cast<int16_t>(2 * (y * width + x)), gravity, 0, 0, 0};
}

// The cells of the special-port table in entry order.
inline std::vector<int> PortCells(const GameState& s) {
    std::vector<int> cells;
    for (int n = 0; n < s.Info.specialPortCount(); ++n) cells.push_back(s.Info.specialPort(n).cell());
    return cells;
}

}  // namespace tsn::test
