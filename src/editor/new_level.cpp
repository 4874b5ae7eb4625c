#include "editor/new_level.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "engine/game_state.h"
#include "files/level_info_text.h"

namespace tsn {

int NewLevelSide(std::string_view typed) {
    // The leading number of the text, as far as it reads as one.
    const std::string text(typed);
    const char* begin = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(begin, &end);
    if (end == begin || std::isnan(value)) return kMinNewLevelSide;
    const double side = std::trunc(std::fabs(value));
    if (side >= kMaxNewLevelSide) return kMaxNewLevelSide;
    return std::max(kMinNewLevelSide, static_cast<int>(side));
}

bool GridDrawn(int width, int height) { return width == kStandardWidth && height == kStandardHeight; }

std::string LevelPropertiesText(const GameState& s) {
    LevelInfoTextParts parts;
    parts.info = s.Info;
    parts.width = s.FieldWidth;
    parts.height = s.FieldHeight;
    parts.hasSignature = s.LevelHasDemo && s.DemoHasSignature;
    parts.signature = s.DemoSignature;
    parts.quickSaveLine = false;
    return LevelInfoText(parts);
}

}  // namespace tsn
