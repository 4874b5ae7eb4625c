#include "move_script.h"

#include <algorithm>
#include <cctype>
#include <sstream>

namespace tsn::levels {

namespace {

// The action code of a key name, or -1: U L D R move (1..4), sU sL sD sR snap (5..8), X space.
int KeyCode(const std::string& key) {
    static const std::string dirs = "ULDR";
    if (key.size() == 1) {
        if (key[0] == 'X') return 9;
        const size_t d = dirs.find(key[0]);
        return d == std::string::npos ? -1 : static_cast<int>(d) + 1;
    }
    if (key.size() == 2 && key[0] == 's') {
        const size_t d = dirs.find(key[1]);
        return d == std::string::npos ? -1 : static_cast<int>(d) + 5;
    }
    return -1;
}

int ParseCount(const std::string& digits, const std::string& token) {
    if (digits.empty()) return 1;
    for (const char c : digits)
        if (!std::isdigit(static_cast<unsigned char>(c))) throw ScriptError("bad count in '" + token + "'");
    const int n = std::stoi(digits);
    if (n < 1 || n > 100000) throw ScriptError("count out of range in '" + token + "'");
    return n;
}

// Splits "sR12" into "sR" and "12".
void SplitToken(const std::string& token, std::string& key, std::string& digits) {
    size_t i = 0;
    while (i < token.size() && !std::isdigit(static_cast<unsigned char>(token[i]))) ++i;
    key = token.substr(0, i);
    digits = token.substr(i);
}

// Reads "C,R" of a goto: a cell inside the 60 x 24 field.
void ParseCell(const std::string& text, ScriptStep& step) {
    const size_t comma = text.find(',');
    const auto number = [&](const std::string& digits, int limit) {
        if (digits.empty() || digits.size() > 2 ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return std::isdigit(static_cast<unsigned char>(c)); }))
            throw ScriptError("goto needs a cell COLUMN,ROW, got '" + text + "'");
        const int n = std::stoi(digits);
        if (n >= limit) throw ScriptError("goto cell '" + text + "' is outside the field");
        return n;
    };
    if (comma == std::string::npos) throw ScriptError("goto needs a cell COLUMN,ROW, got '" + text + "'");
    step.column = number(text.substr(0, comma), 60);
    step.row = number(text.substr(comma + 1), 24);
}

}  // namespace

std::vector<ScriptStep> ParseMoveScript(const std::string& text) {
    std::vector<ScriptStep> steps;
    std::istringstream lines(text);
    std::string line;
    while (std::getline(lines, line)) {
        const size_t comment = line.find(';');
        if (comment != std::string::npos) line.resize(comment);
        std::istringstream words(line);
        std::string token;
        while (words >> token) {
            ScriptStep step;
            step.text = token;
            std::string key;
            std::string digits;
            SplitToken(token, key, digits);
            if (token == "goto") {
                std::string cell;
                words >> cell;
                step.kind = ScriptStep::Kind::Goto;
                ParseCell(cell, step);
                step.text = token + " " + cell;
            } else if (key == "w") {
                if (digits.empty()) throw ScriptError("'w' needs a number of frames");
                step.kind = ScriptStep::Kind::Wait;
                step.count = ParseCount(digits, token);
            } else if (key.size() >= 2 && key[0] == 'h') {
                step.kind = ScriptStep::Kind::Hold;
                step.input = KeyCode(key.substr(1));
                if (step.input < 0 || digits.empty()) throw ScriptError("bad hold '" + token + "'");
                step.count = ParseCount(digits, token);
            } else {
                step.input = KeyCode(key);
                if (step.input < 0) throw ScriptError("unknown move '" + token + "'");
                step.layDisk = step.input == 9;
                step.count = ParseCount(digits, token);
            }
            steps.push_back(step);
        }
    }
    return steps;
}

}  // namespace tsn::levels
