#include "app/command_keys.h"

#include "app/scan_codes.h"

namespace tsn {

namespace {
bool Debounced(double ms, double nowMs, double& tick) {
    if (nowMs - tick < ms) return false;
    tick = nowMs;
    return true;
}
}  // namespace

Command ChooseCommand(const KeyboardState& k, const CommandContext& c, double nowMs,
                      double& tick) {
    using namespace key;
    const bool runningOrDemo = c.running || c.playingDemo;
    if (k.Shift()) {
        if (k.Down(kPageDown) && c.running) return Command::MusicDown;
        if (k.Down(kPageUp) && c.running) return Command::MusicUp;
        if (k.Down(kD) && c.running) return Command::MemoryMode;
        if (c.running) return Command::ShowRedDisks;
    }
    if (k.LeftCtrl()) {
        if (k.Down(kSpace) && c.levelLoaded && c.levelHasDemo && !c.running && !c.playingDemo)
            return Command::PlayDemo;
        if (k.Down(kPageDown) && c.running) return Command::FxDown;
        if (k.Down(kPageUp) && c.running) return Command::FxUp;
        if (k.Down(kA) && !c.running && !c.playingDemo && Debounced(1000, nowMs, tick))
            return Command::AutoZoom;
    }
    if (k.Alt()) return Command::AltHeld;
    if (k.Down(kG) && c.editMode && Debounced(250, nowMs, tick)) return Command::Grid;
    if (k.Down(kEnter) && c.running && !c.quickSaveOrLoadMade && Debounced(250, nowMs, tick))
        return Command::Panel;
    if (k.Down(kR) && c.running && !c.playingDirectory && Debounced(1000, nowMs, tick))
        return Command::Restart;
    if ((k.Down(kPageDown) || k.Down(kLeftBracket)) && runningOrDemo) return Command::Slower;
    if ((k.Down(kPageUp) || k.Down(kRightBracket)) && runningOrDemo) return Command::Faster;
    if ((k.Down(kPrintScreen) || k.Down(kX)) && Debounced(250, nowMs, tick))
        return Command::Snapshot;
    if (k.Down(kN)) return Command::ZoomOut;
    if (k.Down(kM)) return Command::ZoomIn;
    if ((k.Down(kHome) || k.Down(kEquals)) && runningOrDemo) return Command::RestoreSpeeds;
    if ((k.Down(kPause) || k.Down(kP)) && runningOrDemo && !c.playingDirectory &&
        Debounced(1000, nowMs, tick))
        return Command::Pause;
    if (k.Down(kS) && c.running) return Command::QuickSave;
    if (k.Down(kSpace) && c.levelLoaded && !c.running && !c.playingDemo) return Command::Play;
    if (k.Down(kL) && !c.editMode && !c.playingDirectory && c.gameMode == 1)
        return Command::QuickLoad;
    if (k.Down(kEscape) && Debounced(200, nowMs, tick)) return Command::Escape;
    return Command::None;
}

bool PauseKeyUnpauses(const KeyboardState& k, double nowMs, double& tick) {
    if (!k.Down(key::kP)) return false;
    return Debounced(250, nowMs, tick);
}

}  // namespace tsn
