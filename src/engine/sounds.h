#pragma once
// The game's sound events. Some of them also count Murphy's steps; that counting is part of
// the game rules and happens whether or not anything is heard.
namespace tsn {

struct GameState;

void AddStep(GameState& s);               // one step, and the step display follows
void PlayZonkSound(GameState& s);
void PlayInfotronSound(GameState& s);     // one step when the input is a snap (5..8)
void PlayBugSound(GameState& s);
void PlayExplosionSound(GameState& s);
void PlayPushSound(GameState& s);         // always one step
void PlayExitSound(GameState& s);         // always one step; silent while nothing is displayed
void PlayBaseSound(GameState& s);         // one step when the input is a snap (5..8)

}  // namespace tsn
