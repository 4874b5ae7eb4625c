#pragma once
// One frame of the game world: everything the main loop does between reading the keys and
// presenting the picture. The windowed loop and the headless runner both call it.
#include <cstdint>

namespace tsn {

struct GameState;

// Murphy first, then every active element in increasing cell order, then the end rule.
void DoGameStuff(GameState& s);

// Takes the frame's action: during demo playback from the demo stream (`keyAction` is then
// ignored), otherwise `keyAction`, which is also recorded into the demo buffer.
void TakeFrameInput(GameState& s, int keyAction);

// The frame's work after the input: the dispatch, the laid red disk, the timed explosions,
// the random draw of a running explosion, the frame counter. Returns true when the main loop
// is to end after this frame (EndLevelNow, or the lead-out has run out).
bool RunFrameWork(GameState& s);

// The next action of a demo being played back.
void NextDemoKey(GameState& s);

}  // namespace tsn
