#include "editor/level_header.h"

#include <algorithm>

#include "engine/level_info.h"

namespace tsn {

std::string EditorTitle(const std::string& typed) {
    const auto first = typed.find_first_not_of(' ');
    std::string title = first == std::string::npos ? std::string()
                                                    : typed.substr(first, typed.find_last_not_of(' ') - first + 1);
    title.resize(kTitleLength, ' ');
    return title;
}

int ClampInfotronsNeeded(int typed) { return std::clamp(typed, 0, 255); }

int AllInfotronsNeeded(int infotronsAndElectrons) { return std::min(infotronsAndElectrons, 255); }

}  // namespace tsn
