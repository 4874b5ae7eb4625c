#pragma once
// Level start: turns the level as loaded into a field the frame step can run.
#include <cstdint>

namespace tsn {

struct GameState;

// Rewrites level-file codes into their running forms (exploding cells, RAM and hardware
// variants, special ports), starts the enemies and returns the number of Infotrons.
int ConvertField(GameState& s);

// MurphyPos = the first cell holding exactly Murphy (FieldUpper when there is none), and his
// screen position with it.
void FindMurphy(GameState& s);

// Level start on the level already in the state, as a loader (or a test) left it: seed choice
// for a fresh run, field conversion, Infotron count, Murphy and the view. The run state it
// starts from is reset by BeginRun (engine/run.h).
// Callers read the level from its file first, so that every run starts from the stored level.
void StartLevelFromField(GameState& s);

}  // namespace tsn
