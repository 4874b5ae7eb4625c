#include "engine/run.h"

#include "engine/frame_step.h"
#include "engine/game_state.h"
#include "engine/level_start.h"

namespace tsn {

void ResetRunState(GameState& s) { static_cast<RunState&>(s) = RunState{}; }

bool BeginRun(GameState& s) {
    ResetRunState(s);
    StartLevelFromField(s);
    return s.LevelLoaded;
}

bool RunOneFrame(GameState& s, int keyAction) {
    TakeFrameInput(s, keyAction);
    return RunFrameWork(s);
}

RunFigures EndRun(const GameState& s) {
    return {s.FrameCounter, static_cast<int32_t>(s.Frames() / 35 * 1000)};
}

HeadlessResult RunHeadless(GameState& s, const ActionSource& actions, int64_t maxFrames,
                           const std::function<void(const GameState&)>& afterFrame) {
    HeadlessResult r;
    bool ended = false;
    int64_t frame = 0;
    while (!ended && frame < maxFrames) {
        const int action = s.DemoPlayback == 1 || !actions ? 0 : actions(frame);
        ended = RunOneFrame(s, action);
        ++frame;
        if (afterFrame) afterFrame(s);
    }
    r.frames = s.Frames();
    r.milliseconds = EndRun(s).milliseconds;
    r.solved = s.LevelSolved == 1;
    r.steps = s.StepCount;
    r.stoppedAtLimit = !ended;
    return r;
}

}  // namespace tsn
