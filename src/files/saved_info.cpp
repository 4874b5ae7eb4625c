#include "files/saved_info.h"

#include "engine/game_state.h"

namespace tsn {

LevelInfo InfoForSave(const GameState& s) {
    LevelInfo info = s.Info;
    if (s.DemoBufferLive) info.bytes[LevelInfo::kDemoCheckOffset] = s.DemoBuffer.CheckSumByte();
    if (s.QuickSaveUsed != 0) {
        info.bytes[LevelInfo::kLoadCountOffset] = static_cast<uint8_t>(s.SavedGameLoads ^ 166);
        info.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkQuickSaved;
    } else {
        info.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkPlain;
    }
    return info;
}

}  // namespace tsn
