// The run state machine: starting a run, the get-ready bar, the frames at the run's pace, the
// end of a run and the idle polls between runs. Every step returns to the event loop.
#include "app/game_session.h"

#include <QThread>
#include <algorithm>
#include <new>

#include "app/session_host.h"
#include "app/speed_table.h"
#include "app/view_controller.h"
#include "app/window_state.h"
#include "editor/editor_coding.h"
#include "engine/frame_step.h"
#include "engine/run.h"
#include "files/sec_to_time.h"
#include "presentation/rounding.h"
#include "presentation/scroll_buffer.h"
#include "presentation/sound_system.h"
#include "run/run_setup.h"

namespace tsn {

namespace {
constexpr int64_t kOneMs = int64_t{1000} * 10000;  // a millisecond as a frame delay
constexpr int kHeldKeyPollMs = 10;                  // polls while a key is held outside a run
constexpr int64_t kFastSliceNs = 8'000'000;         // "Fastest possible": frames per tick
constexpr int64_t kNoDisplaySliceNs = 40'000'000;   // "No display": larger slices
}  // namespace

GameSession::GameSession(WindowState& s, ViewController& view, SoundSystem& sound,
                         KeyboardState& keys, SessionHost& host)
    : s_(s), view_(view), sound_(sound), keys_(keys), host_(host) {
    clock_.setSingleShot(true);
    clock_.setTimerType(Qt::PreciseTimer);
    connect(&clock_, &QTimer::timeout, this, [this] { Tick(); });
    keyControlTimer_.setSingleShot(true);
    keyControlTimer_.setInterval(200);
    connect(&keyControlTimer_, &QTimer::timeout, this, [this] {
        KeyRepeatLock = false;
        view_.KeyRepeatLock = false;
    });
    fpsTimer_.setInterval(200);
    connect(&fpsTimer_, &QTimer::timeout, this, [this] { FpsTick(); });
}

double GameSession::NowMs() const { return static_cast<double>(tick_.TickNow()) / 1e6; }

void GameSession::Arm(int ms) { clock_.start(std::max(ms, 0)); }

void GameSession::Tick() {
    if (inTick_) return;  // a modal box inside a step: the step re-arms when it is done
    clock_.stop();         // this is the tick the clock was armed for
    inTick_ = true;
    switch (phase_) {
        case Phase::Idle: IdleTurn(); break;
        case Phase::GetReady: GetReadyStep(); break;
        case Phase::Running: RunTurn(); break;
        case Phase::Ending: EndingTurn(); break;
        case Phase::Halted: break;
    }
    inTick_ = false;
}

void GameSession::KeyActivity() {
    if (inTick_ || clock_.isActive()) return;
    if (phase_ == Phase::Idle || (phase_ == Phase::Running && Paused)) Arm(0);
}

void GameSession::DeltaTChanged() {
    // A waiting frame is measured against the new delay at once.
    if (phase_ == Phase::Running && !inTick_ && clock_.isActive()) Arm(0);
}

void GameSession::Halt() {
    phase_ = Phase::Halted;
    clock_.stop();
    fpsTimer_.stop();
    keyControlTimer_.stop();
}

// ---------------------------------------------------------------- idle

void GameSession::IdleTurn() {
    if (AppInactive) return;
    PollCommands(keys_.Poll());
    // A held key is polled on; otherwise the next key event wakes the machine.
    if (phase_ == Phase::Idle && keys_.AnyDown()) Arm(kHeldKeyPollMs);
}

// ---------------------------------------------------------------- the start of a run

void GameSession::PlayCommand() {
    if (phase_ != Phase::Idle) return;
    if (EditMode && editorPlay && !editorPlay()) return;
    StartRun(false);
}

// The editor plays only the level it edits.
void GameSession::PlayDemoCommand() {
    if (!EditMode) StartRun(true);
}

void GameSession::StartRun(bool demo) {
    if (phase_ != Phase::Idle) return;
    clock_.stop();
    demoRun_ = demo;
    try {
        PrepareRun();
    } catch (const std::bad_alloc&) {
        s_.GameRunning = 0;
        s_.DemoPlayback = 0;
        fpsTimer_.stop();
        host_.UpdateAllControls();
        host_.ShowError(QStringLiteral("Error"),
                        QStringLiteral("There is not enough memory to start this level."));
        return;
    }
    const int16_t total = static_cast<int16_t>(GetReadyTime * 500);
    if (s_.PlayingDirectory == 0 && !SkipGetReady && total > 0) {
        phase_ = Phase::GetReady;
        getReadyStep_ = 0;
        getReadyDelay_ = RoundTo32(total / 200.0);
        Arm(getReadyDelay_);
        return;
    }
    SkipGetReady = false;
    EnterLoop();
}

// The run sequence up to the get-ready bar: the level, the view, the panel, the speeds.
void GameSession::PrepareRun() {
    if (demoRun_) {
        host_.ReopenLevelFile();
        if (view_.ctx.Stretch > 3.0f || view_.ctx.Stretch < 0.125f) {
            view_.ctx.Stretch = std::clamp(view_.ctx.Stretch, 0.125f, 3.0f);
            view_.ReStretch(view_.ctx.Stretch);
        }
        host_.SetStatus(QStringLiteral("Demo Playback (%1)").arg(s_.DemoLengthFrames));
    }
    s_.GameRunning = 0;
    s_.StopRequested = 0;
    RunSetup setup;
    setup.demo = demoRun_;
    setup.display = true;
    setup.rules = Rules;
    setup.source = &s_;
    setup.restart = s_.ForceFullRedraw;
    host_.ReportLevelRead(tsn::PrepareRun(s_, setup));
    // The buffers follow the level's size.
    if (view_.Scroll() == nullptr || view_.Scroll()->Width() != (s_.FieldWidth + 2) * 32 ||
        view_.Scroll()->Height() != (s_.FieldHeight + 2) * 32)
        view_.ReStretch(view_.ctx.Stretch);
    BeginRun(s_);
    s_.QuickSaveUsed = 0;  // counted afresh for the level saved after this run
    view_.Renderer().SetDisplayRegion();
    view_.Layout();
    view_.MurphyTarget();
    if (view_.AutoScroll) view_.ScrollToClamped(view_.ScreenScrollXPos, view_.ScreenScrollYPos);
    view_.Present();

    host_.ShowFrameCount(0);
    view_.showSteps(s_.StepCount);
    fpsStartFrame_ = 0;
    fpsStartTick_ = tick_.TickNow();
    fpsTicks_ = 0;
    fpsTimer_.start();
    s_.GameRunning = -1;
    UpdateDeltaT();
    host_.UpdateMainCaption();
    host_.UpdateAllControls();
    emit runStarted();
}

// One step of the get-ready bar (200 steps in all).
void GameSession::GetReadyStep() {
    host_.SetProgress(++getReadyStep_);
    if (getReadyStep_ < 200 && !QuitRequested) {
        Arm(getReadyDelay_);
        return;
    }
    host_.SetProgress(-1);
    SkipGetReady = false;
    EnterLoop();
}

// The counters were reset when the run began; the panel shows them and the frames start.
void GameSession::EnterLoop() {
    view_.showSteps(s_.StepCount);
    if (MusicOn) sound_.PlayMusic();
    s_.RedDiskState = 0;
    s_.MainLoopActive = 1;
    frameStart_ = 0;  // the first frame runs at once
    phase_ = Phase::Running;
    Arm(0);
}

// ---------------------------------------------------------------- frames

void GameSession::RunTurn() {
    if (Paused) {
        if (!AppInactive) PollPauseKey();
        PauseIdleMark = true;
        // Unpausing arms the clock; a held key is polled on.
        if (Paused && !AppInactive && keys_.AnyDown()) Arm(kHeldKeyPollMs);
        return;
    }
    if (AppInactive) {
        PauseIdleMark = true;  // activation arms the clock again
        return;
    }
    if (FrameTimeLeft()) return;
    // Without a frame delay, frames run back to back for one slice, then events run.
    const int64_t sliceStart = tick_.TickNow();
    const int64_t slice = s_.NoDisplay != 0 ? kNoDisplaySliceNs : kFastSliceNs;
    do {
        Frame();
    } while (phase_ == Phase::Running && DeltaT == 0 && !Paused && !AppInactive &&
             tick_.TickNow() - sliceStart < slice);
    if (phase_ == Phase::Running) ArmNextFrame();
}

// The time the clock sleeps toward the end of the current frame: whole milliseconds, less
// one for the timer's lateness (0 when the frame is due within two milliseconds).
int GameSession::WholeMsLeft() const {
    if (frameStart_ == 0 || DeltaT <= 0) return 0;
    const int64_t remaining = DeltaT - tick_.TickDiffUS(frameStart_);
    return remaining > 0 ? std::max(static_cast<int>(remaining / kOneMs) - 1, 0) : 0;
}

void GameSession::ArmNextFrame() { Arm(WholeMsLeft()); }

// True when the clock is armed again for the rest of the frame time. The timer wakes on whole
// milliseconds and may wake a little late; the last stretch (under two milliseconds) is slept
// here, so frames keep their exact pace.
bool GameSession::FrameTimeLeft() {
    if (frameStart_ == 0) return false;
    if (WholeMsLeft() > 0) {
        ArmNextFrame();
        return true;
    }
    const int64_t remaining = DeltaT - tick_.TickDiffUS(frameStart_);
    if (remaining > 0) QThread::usleep(static_cast<unsigned long>(remaining / 10000));
    return false;
}

// One turn of the main loop after its wait: present, the keys, the frame's work, the panel.
void GameSession::Frame() {
    frameStart_ = tick_.TickNow();
    view_.Present();
    CarryOutSavedGameRequests();
    if (s_.StopRequested != 0) {
        BeginEnding();
        return;
    }
    PollFrameKeys();
    const bool ended = RunFrameWork(s_);
    emit frameDone();

    if (s_.PlayingDirectory == 0) {
        host_.ShowFrameCount(s_.Frames());
        if (s_.DemoPlayback == 1) {
            const int64_t f = DemoDelay > 0 ? RoundHalfEven(1000000.0 / DemoDelay) : 1000000;
            host_.ShowTimeLeft(QString::fromStdString(
                SecToTime(static_cast<int32_t>((s_.DemoLengthFrames - s_.Frames()) / f)).text));
        }
        if (MemoryMode) MemoryStep();
    }
    if (ended || RestartRequested || QuitRequested) BeginEnding();
}

void GameSession::MemoryStep() {
    view_.ShowLevelInMemory();
    if (host_.AskMemoryStep()) return;
    MemoryMode = false;
    RedrawEverything();
}

void GameSession::RedrawEverything() {
    s_.ForceFullRedraw = true;
    view_.RedrawAll();
    view_.LoadDisplayLevel();
    view_.Present();
}

// ---------------------------------------------------------------- the end of a run

// The last frame stays on screen for its full time before the run ends.
void GameSession::BeginEnding() {
    phase_ = Phase::Ending;
    ArmNextFrame();
}

void GameSession::EndingTurn() {
    if (!FrameTimeLeft()) FinishRun(true);
}

void GameSession::EndRunNow() {
    if (phase_ == Phase::Idle || phase_ == Phase::Halted || inTick_) return;
    clock_.stop();
    if (phase_ == Phase::GetReady) {
        host_.SetProgress(-1);
        SkipGetReady = false;
        EnterLoop();
        clock_.stop();
    }
    FinishRun(false);
}

void GameSession::FinishRun(bool mayContinue) {
    clock_.stop();
    QuickSaveRequest = false;  // requests die with their run
    QuickLoadRequest = false;
    const RunFigures figures = EndRun(s_);
    s_.LastRunFrames = figures.frames;
    s_.LastRunMilliseconds = figures.milliseconds;
    if (s_.DemoPlayback == 0 && s_.PlayFromEditor == 0) host_.WriteLastRunFile();
    phase_ = Phase::Idle;
    Stop();
    view_.Present();
    s_.MainLoopActive = 0;

    const bool solved = s_.LevelSolved == 1;
    host_.SetStatus(solved ? QStringLiteral("LEVEL SUCCESSFUL") : QStringLiteral("LEVEL FAILED"));
    if (s_.DemoPlayback == 0 && s_.PlayFromEditor == 0) host_.RecordRunResult(solved);
    host_.StartStatusTimer();
    s_.FreshRun = 0;
    ShownKey = 0;
    host_.ShowKey(0);
    s_.GameRunning = 0;
    view_.Layout();
    view_.Present();
    host_.UpdateAllControls();
    InGamePlaySpeed(GetSpeedIndex(PlaySpeedSetting));
    host_.UpdateMainCaption();

    if (demoRun_) {
        if (!solved) host_.SetStatus(QStringLiteral("Demo Failed"));
        s_.DemoPlayback = 0;
        if (s_.PlayingDirectory == 0) InGameDemoSpeed(GetSpeedIndex(DemoSpeedSetting));
    } else {
        ToGameCoding(s_.FieldBytes);
    }
    if (!FinalSituation) view_.RedrawAll();
    emit runEnded();

    const bool restart = RestartRequested && !QuitRequested && mayContinue;
    RestartRequested = false;
    if (restart) {
        // A restart by key: the old run has finished its own end-of-run steps; the new one
        // starts from the level as chosen, without the get-ready pause.
        SkipGetReady = true;
        s_.ForceFullRedraw = true;
        s_.StepCount = 0;
        host_.UpdateAllControls();
        StartRun(demoRun_);
        return;
    }
    if (QuitRequested && mayContinue) emit quitRequested();
    if (keys_.AnyDown()) Arm(kHeldKeyPollMs);
}

}  // namespace tsn
