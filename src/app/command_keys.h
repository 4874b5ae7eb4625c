#pragma once
// Which command key a poll carries out: the first matching line of the command table wins and
// ends the poll. Debounced keys share one time stamp of the last accepted key.
#include <cstdint>

#include "app/key_table.h"

namespace tsn {

enum class Command {
    None,
    MusicDown,
    MusicUp,
    MemoryMode,
    ShowRedDisks,
    PlayDemo,
    FxDown,
    FxUp,
    AutoZoom,
    AltHeld,  // Alt blocks every later line
    Grid,
    Panel,
    Restart,
    Slower,
    Faster,
    Snapshot,
    ZoomOut,
    ZoomIn,
    RestoreSpeeds,
    Pause,
    QuickSave,
    Play,
    QuickLoad,
    Escape,
};

struct CommandContext {
    bool running = false;          // a game is running
    bool playingDemo = false;      // a demo is being played back
    bool levelLoaded = false;
    bool levelHasDemo = false;
    bool editMode = false;
    bool playingDirectory = false;
    bool quickSaveOrLoadMade = false;  // since the program started
    int gameMode = 2;
};

// The command of this poll. `keyRepeatTick` (milliseconds) is updated when a debounced key is
// accepted.
Command ChooseCommand(const KeyboardState& k, const CommandContext& c, double nowMs,
                      double& keyRepeatTick);

// While paused only P works, at most every 250 ms: true when it unpauses.
bool PauseKeyUnpauses(const KeyboardState& k, double nowMs, double& keyRepeatTick);

}  // namespace tsn
