#pragma once
// Which of the main window's controls can be used, decided from what the program is doing.
// The window gathers its state into ControlInput, asks for the flags and applies them in one
// place; nothing else turns these controls on or off.
#include <cstdint>

namespace tsn {

struct ControlInput {
    bool running = false;       // a run is under way (play, demo or the editor's test game)
    bool demoPlayback = false;  // the run plays a demo back
    bool editMode = false;      // the editor is open
    bool batch = false;         // the demo folder check is playing its files
    bool levelLoaded = false;
    bool levelHasDemo = false;
    bool freePlay = false;  // the game mode; false: progress mode
    bool canUndo = false;
    bool canRedo = false;
};

struct ControlStates {
    // Buttons, the level list and the editor's level header.
    bool play = false, pause = false, stop = false, playDemo = false;
    bool levelList = false;
    bool levelHeader = false;
    // The menus of the menu bar.
    bool file = false, edit = false, gameMode = false, view = false, speed = false;
    bool options = false, help = false;
    // Items within them.
    bool showLevelInfo = false;
    bool loadSavegame = false;
    bool speedPlay = false, speedDemo = false, faster = false, slower = false;
    bool editLevel = false, undo = false, redo = false, editorTools = false;
    // The directory panel (file, folder and drive lists) and its View item.
    bool dirPanel = false, showDirPanel = false;

    bool operator==(const ControlStates&) const = default;
};

// The states after any change of what the program is doing.
ControlStates DecideControls(const ControlInput& in);

// While a secondary window is up: `mode` 0 leaves viewing and the speed items on and turns
// the commands off, mode 99 turns everything off; other modes change nothing.
ControlStates DisabledControls(const ControlStates& current, const ControlInput& in, uint8_t mode);

}  // namespace tsn
