#pragma once
// The counts the editor shows for the edited level.
#include <string>

namespace tsn {

struct GameState;

struct ElementCounts {
    int infotrons = 0;  // code 4
    int electrons = 0;  // code 24
    int redDisks = 0;   // code 20

    // Infotrons plus Electrons: what "All" needs.
    int total() const { return infotrons + electrons; }
    // "total - infotrons - electrons", as the count box shows it.
    std::string text() const;
};

ElementCounts CountElements(const GameState& s);

}  // namespace tsn
