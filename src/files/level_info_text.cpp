#include "files/level_info_text.h"

#include "engine/game_state.h"
#include "files/saved_info.h"

namespace tsn {

std::string LevelInfoText(const LevelInfoTextParts& p) {
    std::string text = p.info.title() + "\r\n(" + std::to_string(p.width) + " x " +
                       std::to_string(p.height) + ")";
    if (p.hasSignature) text += "\r\n\r\n" + p.signature;
    if (p.quickSaveLine && p.info.saveMark() == LevelInfo::kSaveMarkQuickSaved) {
        text += "\r\n\r\nQuick Save was used: " + std::to_string(QuickSaveLoads(p.info)) +
                " time(s). ";
    }
    return text;
}

std::string LevelInfoText(const GameState& s, bool quickSaveLine) {
    LevelInfoTextParts p;
    p.info = s.Info;
    p.width = s.FieldWidth;
    p.height = s.FieldHeight;
    p.hasSignature = s.DemoHasSignature;
    p.signature = s.DemoSignature;
    p.quickSaveLine = quickSaveLine;
    return LevelInfoText(p);
}

}  // namespace tsn
