#include "app/control_states.h"

namespace tsn {

ControlStates DecideControls(const ControlInput& in) {
    ControlStates c;
    const bool idle = !in.running;
    c.play = idle;
    c.pause = in.running;
    c.stop = in.running;
    // The editor plays its own level, never the file's demo.
    c.playDemo = idle && in.levelHasDemo && !in.editMode;
    c.levelList = idle && !in.editMode;
    c.levelHeader = idle;

    c.file = idle;
    c.edit = idle;
    c.gameMode = idle && !in.editMode;
    c.view = true;
    c.speed = true;
    c.options = idle;
    c.help = idle;

    c.showLevelInfo = idle && in.levelHasDemo;
    // The editor's level has no saved game.
    c.loadSavegame = idle && !in.editMode;
    c.speedPlay = idle || !in.demoPlayback;
    c.speedDemo = idle || in.demoPlayback;
    c.faster = in.running;
    c.slower = in.running;

    c.editLevel = idle && (in.levelLoaded || in.editMode);
    c.undo = idle && in.editMode && in.canUndo;
    c.redo = idle && in.editMode && in.canRedo;
    c.editorTools = idle && in.editMode;

    c.dirPanel = idle;
    c.showDirPanel = idle && in.freePlay;

    if (in.batch) {
        // The results window drives the check: the main window offers only its run's
        // buttons, no menu and no other file or level.
        ControlStates b;
        b.pause = c.pause;
        b.stop = c.stop;
        return b;
    }
    return c;
}

ControlStates DisabledControls(const ControlStates& current, const ControlInput& in, uint8_t mode) {
    if (mode == 99) return ControlStates{};
    if (mode != 0) return current;
    ControlStates c = current;
    c.file = c.edit = c.gameMode = false;
    c.options = c.help = false;
    c.view = true;
    c.showLevelInfo = in.levelHasDemo;
    c.speed = c.faster = c.slower = true;
    return c;
}

}  // namespace tsn
