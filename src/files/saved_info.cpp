#include "files/saved_info.h"

#include "engine/game_state.h"

namespace tsn {

LevelInfo InfoForSave(const GameState& s, bool quickSaveUsed) {
    LevelInfo info = s.Info;
    if (s.DemoBufferLive) info.bytes[LevelInfo::kDemoCheckOffset] = s.DemoBuffer.CheckSumByte();
    if (quickSaveUsed) {
        info.bytes[LevelInfo::kLoadCountOffset] =
            static_cast<uint8_t>(s.SavedGameLoads ^ kLoadCountMask);
        info.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkQuickSaved;
    } else {
        info.bytes[LevelInfo::kSaveMarkOffset] = LevelInfo::kSaveMarkPlain;
    }
    return info;
}

}  // namespace tsn
