#pragma once
// The window's own flags around the runs it plays: set by its run loop, its folder
// verification and its editor, read by the drawing and the commands.
#include <cstdint>

namespace tsn {

struct WindowFlags {
    int16_t GameRunning = 0;       // a run is going (from its start to its end steps)
    int16_t MainLoopActive = 0;    // the run loop is playing frames
    int16_t PlayingDirectory = 0;  // the folder verification is playing its demos
    int16_t PlayFromEditor = 0;    // the run was started from the editor
    bool ForceFullRedraw = false;  // the next display during a game redraws every cell; a level
                                   // set is then read at the level last chosen in the list
};

}  // namespace tsn
