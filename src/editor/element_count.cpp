#include "editor/element_count.h"

#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {

std::string ElementCounts::text() const {
    return std::to_string(total()) + " - " + std::to_string(infotrons) + " - " + std::to_string(electrons);
}

ElementCounts CountElements(const GameState& s) {
    ElementCounts c;
    for (const uint8_t b : s.FieldBytes) {
        if (b == kInfotron) ++c.infotrons;
        else if (b == kElectron) ++c.electrons;
        else if (b == kRedDisk) ++c.redDisks;
    }
    return c;
}

}  // namespace tsn
