#include "engine/game_state.h"

#include <chrono>

namespace tsn {

namespace {
int32_t SystemTickCount() {
    using namespace std::chrono;
    const auto ms = duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
    return static_cast<int32_t>(static_cast<uint32_t>(ms));
}
}  // namespace

GameState::GameState() : clock(SystemTickCount) { SetGeometry(kStandardWidth, kStandardHeight); }

void LevelState::SetGeometry(int width, int height) {
    FieldWidth = static_cast<int16_t>(width);
    FieldHeight = static_cast<int16_t>(height);
    LevelInfoSize = kLevelInfoSize;
    FieldUpper = static_cast<int16_t>(width * height - 1);
    LevelRecordUpper = static_cast<int16_t>(width * height + kLevelInfoSize - 1);
    const auto cells = static_cast<size_t>(width * height);
    const auto record = cells + kLevelInfoSize;
    PlayField16.Reset(width);
    FieldBytes.assign(cells, 0);
    if (LevelBufferUpper < LevelRecordUpper) LevelBufferUpper = LevelRecordUpper;
    LevelBytes.assign(static_cast<size_t>(LevelBufferUpper) + 1, 0);
    TerminalBlinkTimer.assign(record, 0);
    const size_t active = cells > static_cast<size_t>(2 * width) ? cells - 2 * width + 1 : 1;
    ActiveCells.assign(active, 0);
    ActiveCodes.assign(active, 0);
}

}  // namespace tsn
