#include "level_source.h"

#include <sstream>

#include "files/level_record.h"

namespace tsn::levels {

const std::vector<LegendEntry>& LevelLegend() {
    static const std::vector<LegendEntry> legend = {
        {'.', 0, "Space"},
        {'Z', 1, "Zonk"},
        {'+', 2, "Base"},
        {'M', 3, "Murphy"},
        {'I', 4, "Infotron"},
        {'R', 5, "RAM"},
        {'#', 6, "HardWare"},
        {'E', 7, "Exit"},
        {'O', 8, "Orange Disk"},
        {'>', 9, "Port Right"},
        {'v', 10, "Port Down"},
        {'<', 11, "Port Left"},
        {'^', 12, "Port Up"},
        {'}', 13, "Special Port Right"},
        {'w', 14, "Special Port Down"},
        {'{', 15, "Special Port Left"},
        {'m', 16, "Special Port Up"},
        {'S', 17, "Snik Snak"},
        {'Y', 18, "Yellow Disk"},
        {'T', 19, "Terminal"},
        {'D', 20, "RedDisk"},
        {'|', 21, "Port Up And Down"},
        {'-', 22, "Port Left And Right"},
        {'*', 23, "Port All Directions"},
        {'e', 24, "Electron"},
        {'b', 25, "Bug"},
        {'[', 26, "RAM Left"},
        {']', 27, "RAM Right"},
        {'0', 28, "Hardware First"},
        {'1', 29, "Hardware 1"},
        {'2', 30, "Hardware 2"},
        {'3', 31, "Hardware 3"},
        {'4', 32, "Hardware 4"},
        {'5', 33, "Hardware 5"},
        {'6', 34, "Hardware 6"},
        {'7', 35, "Hardware 7"},
        {'8', 36, "Hardware 8"},
        {'9', 37, "Hardware Last"},
        {'n', 38, "RAM Top"},
        {'u', 39, "RAM Bottom"},
        {'W', 40, "Wall Space"},
        {'&', 42, "Hardware Trash2"},
        {'@', 43, "Hardware Murphy"},
        {'x', 241, "starts exploding"},
    };
    return legend;
}

int CodeOfSymbol(char c) {
    for (const auto& e : LevelLegend())
        if (e.symbol == c) return e.code;
    return -1;
}

namespace {

bool IsSpecialPort(int code) { return code >= 13 && code <= 16; }

uint8_t ParseByte(const std::string& text, int line, int maxValue) {
    size_t used = 0;
    int v = -1;
    try {
        v = std::stoi(text, &used);
    } catch (const std::exception&) {
        used = 0;
    }
    if (used != text.size() || v < 0 || v > maxValue)
        throw SourceError(line, "expected a number from 0 to " + std::to_string(maxValue) + ", got '" + text + "'");
    return static_cast<uint8_t>(v);
}

PortSettings ParsePort(std::istringstream& in, int line) {
    PortSettings p;
    std::string item;
    while (in >> item) {
        const size_t eq = item.find('=');
        if (eq == std::string::npos) throw SourceError(line, "port setting without '=': " + item);
        const std::string key = item.substr(0, eq);
        if (key != "gravity" && key != "frozen" && key != "enemies")
            throw SourceError(line, "unknown port setting '" + key + "'");
        const uint8_t v = ParseByte(item.substr(eq + 1), line, 1);
        if (key == "gravity") p.gravity = v;
        else if (key == "frozen") p.frozenZonks = static_cast<uint8_t>(v ? 2 : 0);
        else p.frozenEnemies = v;
    }
    return p;
}

}  // namespace

LevelSource ParseLevelSource(const std::string& text) {
    LevelSource level;
    std::istringstream in(text);
    std::string raw;
    int lineNo = 0;
    bool haveTitle = false;
    enum class Section { Header, Map, Solution } section = Section::Header;
    while (std::getline(in, raw)) {
        ++lineNo;
        if (!raw.empty() && raw.back() == '\r') raw.pop_back();
        if (section == Section::Solution) {
            level.solution += raw + "\n";
            continue;
        }
        if (section == Section::Map && static_cast<int>(level.rows.size()) < kMapHeight) {
            if (static_cast<int>(raw.size()) != kMapWidth)
                throw SourceError(lineNo, "map rows must be " + std::to_string(kMapWidth) + " characters");
            for (const char c : raw)
                if (CodeOfSymbol(c) < 0) throw SourceError(lineNo, std::string("unknown map character '") + c + "'");
            level.rows.push_back(raw);
            continue;
        }
        if (raw.find_first_not_of(" \t") == std::string::npos || raw[0] == ';') continue;
        std::istringstream words(raw);
        std::string key;
        words >> key;
        if (key == "map") {
            if (!level.rows.empty()) throw SourceError(lineNo, "a second map");
            section = Section::Map;
        } else if (key == "solution") {
            section = Section::Solution;
        } else if (key == "title") {
            const size_t open = raw.find('"');
            const size_t close = raw.rfind('"');
            if (open == std::string::npos || close == open) throw SourceError(lineNo, "the title must be quoted");
            level.title = raw.substr(open + 1, close - open - 1);
            if (static_cast<int>(level.title.size()) != kTitleLength)
                throw SourceError(lineNo, "the title must have exactly 23 characters");
            haveTitle = true;
        } else if (key == "gravity" || key == "frozen" || key == "needed" || key == "seed") {
            std::string value;
            words >> value;
            if (key == "seed") {
                size_t used = 0;
                long v = -1;
                try {
                    v = std::stol(value, &used);
                } catch (const std::exception&) {
                    used = 0;
                }
                if (used != value.size() || v < 0 || v > 65535) throw SourceError(lineNo, "seed must be 0 to 65535");
                level.seed = static_cast<uint16_t>(v);
            } else if (key == "gravity") {
                level.gravity = ParseByte(value, lineNo, 1);
            } else if (key == "frozen") {
                level.frozenZonks = static_cast<uint8_t>(ParseByte(value, lineNo, 1) ? 2 : 0);
            } else {
                level.infotronsNeeded = ParseByte(value, lineNo, 255);
            }
        } else if (key == "port") {
            level.ports.push_back(ParsePort(words, lineNo));
        } else {
            throw SourceError(lineNo, "unknown header line '" + key + "'");
        }
    }
    if (!haveTitle) throw SourceError(0, "no title");
    if (static_cast<int>(level.rows.size()) != kMapHeight)
        throw SourceError(0, "the map must have " + std::to_string(kMapHeight) + " rows");
    int murphies = 0;
    int specialPorts = 0;
    for (const auto& row : level.rows)
        for (const char c : row) {
            murphies += CodeOfSymbol(c) == 3;
            specialPorts += IsSpecialPort(CodeOfSymbol(c));
        }
    if (murphies != 1) throw SourceError(0, "the map must hold exactly one Murphy");
    if (specialPorts > kMaxSpecialPorts) throw SourceError(0, "more than 10 special ports");
    if (specialPorts != static_cast<int>(level.ports.size()))
        throw SourceError(0, "the map has " + std::to_string(specialPorts) + " special ports but " +
                                 std::to_string(level.ports.size()) + " port lines");
    return level;
}

std::vector<uint8_t> BuildRecord(const LevelSource& level) {
    std::vector<uint8_t> record;
    record.reserve(kRecordSize);
    std::vector<int> portCells;
    for (int y = 0; y < kMapHeight; ++y)
        for (int x = 0; x < kMapWidth; ++x) {
            const int code = CodeOfSymbol(level.rows[static_cast<size_t>(y)][static_cast<size_t>(x)]);
            record.push_back(static_cast<uint8_t>(code));
            if (IsSpecialPort(code)) portCells.push_back(y * kMapWidth + x);
        }
    LevelInfo info = NewLevelInfo(level.title);
    info.setGravity(level.gravity);
    info.setFrozenZonks(level.frozenZonks);
    info.setInfotronsNeeded(level.infotronsNeeded);
    info.bytes[LevelInfo::kSpecialPortCountOffset] = static_cast<uint8_t>(portCells.size());
    for (size_t n = 0; n < portCells.size(); ++n) {
        SpecialPortInfo p;
        p.position = static_cast<int16_t>(2 * portCells[n]);
        p.gravity = level.ports[n].gravity;
        p.frozenZonks = level.ports[n].frozenZonks;
        p.frozenEnemies = level.ports[n].frozenEnemies;
        info.setSpecialPort(static_cast<int>(n), p);
    }
    record.insert(record.end(), info.bytes.begin(), info.bytes.end());
    return record;
}

}  // namespace tsn::levels
