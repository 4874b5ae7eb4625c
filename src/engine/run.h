#pragma once
// A run of a level: its start, its frames and its end, without any waiting or window. The
// windowed main loop and the headless runner are both built from these three steps.
#include <cstdint>
#include <functional>

namespace tsn {

struct GameState;

// Every value a run starts from (the whole RunState of the state, Murphy's private state and
// the demo recorder with it), in one assignment.
void ResetRunState(GameState& s);

// Start of a run: the run state reset (the one point where it is reset), then level start on
// the level already loaded into the state (`StartLevelFromField`). Loading the level file is
// the run preparation's business (run/run_setup.h). Returns false when no level is loaded;
// the run may still be played and ends by the end rule.
bool BeginRun(GameState& s);

// One frame of the run with the action of the keys (ignored during demo playback). Returns
// true when the run ends after this frame.
bool RunOneFrame(GameState& s, int keyAction);

// The figures of a finished run, for whoever keeps the last run's record.
struct RunFigures {
    int64_t frames = 0;  // fixed point, as FrameCounter
    int32_t milliseconds = 0;
};

// After the last frame: the run's figures.
RunFigures EndRun(const GameState& s);

// Where the actions of a headless run come from: called once per frame with the frame's
// number (0 for the first frame); ignored during demo playback.
using ActionSource = std::function<int(int64_t frame)>;

struct HeadlessResult {
    int64_t frames = 0;
    int32_t milliseconds = 0;
    bool solved = false;
    int steps = 0;
    bool stoppedAtLimit = false;
};

// Runs until the engine's own end rules stop it or `maxFrames` frames have run. `afterFrame`,
// when given, sees the state after every frame (and its end handling).
HeadlessResult RunHeadless(GameState& s, const ActionSource& actions, int64_t maxFrames,
                           const std::function<void(const GameState&)>& afterFrame = {});

}  // namespace tsn
