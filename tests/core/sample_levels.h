#pragma once
// Standard-size levels shared by the tests of whole runs.
#include <cstdint>
#include <string>
#include <vector>

namespace tsn::test {

// A corridor with two Infotrons, bases, a Zonk to push into a hole and the exit; enemies, a bug
// and a terminal elsewhere, so that the random generator and the enemies take part.
inline std::vector<std::string> CorridorLevel() {
    std::vector<std::string> rows(24, std::string(60, '#'));
    rows[1] = "#M.I.++I..Z.....E" + std::string(42, '.') + "#";
    rows[2][12] = '.';  // the pushed Zonk drops out of the way
    for (int y = 5; y < 23; ++y) rows[static_cast<size_t>(y)] = "#" + std::string(58, '.') + "#";
    rows[5][4] = 'S';
    rows[5][11] = 'b';
    rows[5][47] = 'T';
    rows[6][11] = rows[6][12] = rows[6][13] = '#';
    rows[6][33] = 'e';
    return rows;
}

// Solves the corridor: right, with a pause in the middle, until the run ends.
inline int CorridorScript(int64_t frame) { return frame >= 30 && frame < 45 ? 0 : 4; }

}  // namespace tsn::test
