#include "engine/sounds.h"

#include "engine/game_state.h"

namespace tsn {

namespace {
void Play(GameState& s, Sample sample) {
    if (s.sound) s.sound->play(sample);
}
bool SnapInput(const GameState& s) { return s.MurphyInput >= 5 && s.MurphyInput <= 8; }
}  // namespace

void AddStep(GameState& s) {
    s.StepCount = static_cast<int16_t>(s.StepCount + 1);
    if (s.Drawing()) s.view->showSteps(s.StepCount);
}

void PlayZonkSound(GameState& s) { Play(s, Sample::Zonk); }

void PlayInfotronSound(GameState& s) {
    if (SnapInput(s)) AddStep(s);
    Play(s, Sample::Infotron);
}

void PlayBugSound(GameState& s) { Play(s, Sample::Bug); }

void PlayExplosionSound(GameState& s) { Play(s, Sample::Explosion); }

void PlayPushSound(GameState& s) {
    AddStep(s);
    Play(s, Sample::Push);
}

void PlayExitSound(GameState& s) {
    // The step belongs to the run's result, so it is counted at every display speed.
    AddStep(s);
    if (s.NoDisplay == 0) Play(s, Sample::Exit);
}

void PlayBaseSound(GameState& s) {
    if (SnapInput(s)) AddStep(s);
    Play(s, Sample::Base);
}

}  // namespace tsn
