#include "editor/new_level.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

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

}  // namespace tsn
