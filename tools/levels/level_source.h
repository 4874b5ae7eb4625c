#pragma once
// A level written as a text file: header values, a 60 × 24 map with one character per cell,
// and the solution as a move script.
//
//   title "----- FIRST STEPS -----"     exactly 23 characters between the quotes
//   gravity 0                           1 = gravity on from the start
//   frozen 0                            1 = Zonks frozen from the start
//   needed 0                            Infotrons needed (0 = all Infotrons of the field)
//   seed 1234                           random seed of the recorded solution
//   port gravity=1 frozen=0 enemies=0   one line per special port, in reading order of the map
//   map                                 followed by 24 rows of 60 characters
//   solution                            followed by the move script (to the end of the file)
//
// Lines starting with ';' are comments. The legend is in LevelLegend().
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/level_info.h"

namespace tsn::levels {

inline constexpr int kMapWidth = 60;
inline constexpr int kMapHeight = 24;
inline constexpr int kRecordSize = kMapWidth * kMapHeight + kLevelInfoSize;

struct LegendEntry {
    char symbol;
    int code;
    const char* name;
};
// Every map character and the element code it stands for.
const std::vector<LegendEntry>& LevelLegend();
// The element code of a map character, or -1.
int CodeOfSymbol(char c);

struct PortSettings {
    uint8_t gravity = 0;
    uint8_t frozenZonks = 0;
    uint8_t frozenEnemies = 0;
};

struct LevelSource {
    std::string title;
    uint8_t gravity = 0;
    uint8_t frozenZonks = 0;
    uint8_t infotronsNeeded = 0;
    uint16_t seed = 0;
    std::vector<PortSettings> ports;
    std::vector<std::string> rows;
    std::string solution;
};

// A fault in a level file, with the line it was found on (0 when it concerns the whole file).
class SourceError : public std::runtime_error {
public:
    SourceError(int line, const std::string& what)
        : std::runtime_error(line > 0 ? "line " + std::to_string(line) + ": " + what : what) {}
};

// Parses and checks a level file's text: title length, map size and characters, exactly one
// Murphy, one port line per special port (at most 10), value ranges.
LevelSource ParseLevelSource(const std::string& text);

// The 1536-byte level record: field codes, then the info block (save mark 132, title,
// gravity, frozen Zonks as 2, Infotrons needed, the special-port table). The random seed
// bytes stay 0 in the set; a recorded solution stores its own seed.
std::vector<uint8_t> BuildRecord(const LevelSource& level);

}  // namespace tsn::levels
