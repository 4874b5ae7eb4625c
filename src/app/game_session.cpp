#include "app/game_session.h"

#include <QCoreApplication>
#include <QThread>
#include <algorithm>

#include "app/session_host.h"
#include "app/speed_table.h"
#include "app/view_controller.h"
#include "engine/element_codes.h"
#include "engine/frame_step.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "files/sec_to_time.h"
#include "presentation/rounding.h"
#include "presentation/scroll_buffer.h"
#include "presentation/sound_system.h"

namespace tsn {

namespace {
// Seconds as the panel shows them, hours:minutes:seconds.
QString TimeText(int64_t seconds) {
    return QString::fromStdString(SecToTime(static_cast<int32_t>(seconds)).text);
}
}  // namespace

GameSession::GameSession(GameState& s, ViewController& view, SoundSystem& sound,
                         KeyboardState& keys, SessionHost& host)
    : s_(s), view_(view), sound_(sound), keys_(keys), host_(host) {
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

// ---------------------------------------------------------------- speeds

void GameSession::UpdateDeltaT() {
    if (s_.GameRunning == 0) return;
    const int32_t delay = s_.DemoPlayback == 1 ? DemoDelay : PlayDelay;
    DeltaT = static_cast<int64_t>(delay) * 10000;
    if (DeltaT < 0) {
        view_.Present();  // the last drawn frame stays visible
        DeltaT = 0;
        s_.NoDisplay = -1;
    }
}

void GameSession::InGamePlaySpeed(int index) {
    PlayDelay = SpeedDelay(index);
    UpdateDeltaT();
}

void GameSession::InGameDemoSpeed(int index) {
    if (s_.NoDisplay != 0 && s_.MainLoopActive != 0) {
        s_.NoDisplay = 0;
        s_.ForceFullRedraw = true;
        view_.DisplayLevel();
    }
    s_.NoDisplay = 0;
    DemoDelay = SpeedDelay(index);
    UpdateDeltaT();
    if (PlayDelay < 0) {
        view_.Present();
        DeltaT = 0;
        s_.NoDisplay = -1;
    }
}

void GameSession::MenuPlaySpeed(int index) {
    PlayDelay = SpeedDelay(index);
    PlaySpeedSetting = PlayDelay;
    UpdateDeltaT();
    host_.UpdateMainCaption();
}

void GameSession::MenuDemoSpeed(int index) {
    s_.NoDisplay = 0;
    DemoDelay = SpeedDelay(index);
    DemoSpeedSetting = DemoDelay;
    if (DemoDelay < 0) {
        DeltaT = 0;
        s_.NoDisplay = -1;
    } else {
        s_.NoDisplay = 0;
    }
    UpdateDeltaT();
    host_.UpdateAllControls();
    host_.UpdateMainCaption();
}

void GameSession::Faster() {
    if (s_.GameRunning == 0 || KeyRepeatLock) return;
    const bool demo = s_.DemoPlayback == 1;
    int index = GetSpeedIndex(demo ? DemoDelay : PlayDelay) - 1;
    if (index < 2) index = 2;
    if (demo)
        InGameDemoSpeed(index);
    else
        InGamePlaySpeed(index);
    host_.UpdateMainCaption();
    TakeKeyLock();
}

void GameSession::Slower() {
    if (s_.GameRunning == 0 || KeyRepeatLock) return;
    const bool demo = s_.DemoPlayback == 1;
    int index = GetSpeedIndex(demo ? DemoDelay : PlayDelay) + 1;
    if (index > kSpeedCount) index = kSpeedCount;
    if (demo)
        InGameDemoSpeed(index);
    else
        InGamePlaySpeed(index);
    host_.UpdateMainCaption();
    TakeKeyLock();
}

void GameSession::RestoreSpeeds() {
    InGamePlaySpeed(GetSpeedIndex(PlaySpeedSetting));
    InGameDemoSpeed(GetSpeedIndex(DemoSpeedSetting));
    host_.UpdateMainCaption();
}

void GameSession::TakeKeyLock() {
    KeyRepeatLock = true;
    view_.KeyRepeatLock = true;
    keyControlTimer_.start();
}

// ---------------------------------------------------------------- zoom and volume keys

void GameSession::SubZoom(bool zoomIn) {
    if (KeyRepeatLock) return;
    view_.Zoom(zoomIn);
    TakeKeyLock();
}

// One step of a volume key: only during a game with that kind of sound on; a beep when the
// volume is already at its end.
void GameSession::StepVolume(bool up, bool enabled, int (SoundSystem::*get)() const,
                             void (SoundSystem::*set)(int)) {
    if (KeyRepeatLock) return;
    if (s_.GameRunning != 0 && enabled && sound_.Active()) {
        bool clamped = false;
        const int v = VolumeStep((sound_.*get)(), up, clamped);
        if (clamped) host_.Beep();
        (sound_.*set)(v);
    }
    TakeKeyLock();
}

void GameSession::SubMusicVol(bool up) {
    StepVolume(up, MusicOn, &SoundSystem::MusicVolume, &SoundSystem::SetMusicVolume);
}

void GameSession::SubSoundFxVol(bool up) {
    StepVolume(up, SoundFxOn, &SoundSystem::SampleVolume, &SoundSystem::SetSampleVolume);
}

// ---------------------------------------------------------------- pause, stop, activation

void GameSession::TogglePause() {
    Paused = !Paused;
    if (Paused) {
        host_.SetStatus(QStringLiteral("Paused ..."));
        sound_.StopMusic();
    } else {
        host_.SetStatus(QStringLiteral("Welcome to Tessarin"));
        if (MusicOn) sound_.ResumeMusic();
    }
}

void GameSession::Stop() {
    s_.StopRequested = -1;
    s_.EndLevelNow = 1;
    if (Paused) TogglePause();
    fpsTimer_.stop();
    fpsTicks_ = 4;
    FpsTick();
    s_.LoadingSavedGame = 0;
    if (MusicOn) sound_.StopMusic();
    if (!FinalSituation) view_.RedrawAll();
    host_.UpdateAllControls();
}

void GameSession::SetAppInactive(bool inactive) {
    AppInactive = inactive;
    if (inactive) keys_.ReleaseAll();
}

void GameSession::FpsTick() {
    if (++fpsTicks_ < 5) return;
    fpsTicks_ = 0;
    const int64_t now = tick_.TickNow();
    const double seconds = static_cast<double>(now - fpsStartTick_) / 1e9;
    const int64_t frames = s_.Frames() - fpsStartFrame_;
    if (seconds > 0) host_.ShowFps(static_cast<double>(frames) / seconds);
    fpsStartFrame_ = s_.Frames();
    fpsStartTick_ = now;
    host_.ShowGameTime(TimeText(s_.Frames() / 35));
}

// ---------------------------------------------------------------- runs

void GameSession::NormalizeFieldBytes() {
    for (auto& b : s_.FieldBytes) {
        if (b == kEditorBug) b = kBug;
        if (b == kHardwareTrash1) b = kWallSpace;
    }
}

void GameSession::PlayCommand() { RunWithRestarts(false); }

void GameSession::PlayDemoCommand() { RunWithRestarts(true); }

void GameSession::RunWithRestarts(bool demo) {
    for (;;) {
        if (demo)
            PlayDemoOnce();
        else
            PlayOnce();
        if (!RestartRequested || QuitRequested) break;
        // A restart by key: the old run has finished its own end-of-run steps; the new one
        // starts from the level as chosen, without the get-ready pause.
        demo = s_.DemoPlayback == 1 || restartDemo_;
        RestartRequested = false;
        restartDemo_ = false;
        SkipGetReady = true;
        s_.ForceFullRedraw = true;
        s_.StepCount = 0;
        host_.UpdateAllControls();
    }
    RestartRequested = false;
}

void GameSession::PlayOnce() {
    s_.FreshRun = 1;
    s_.DemoPlayback = 0;
    PlayLevel();
    NormalizeFieldBytes();
    if (!FinalSituation) view_.RedrawAll();
}

void GameSession::PlayDemoOnce() {
    host_.ReopenLevelFile();
    if (view_.ctx.Stretch > 3.0f || view_.ctx.Stretch < 0.125f) {
        view_.ctx.Stretch = std::clamp(view_.ctx.Stretch, 0.125f, 3.0f);
        view_.ReStretch(view_.ctx.Stretch);
    }
    s_.DemoPlayback = 1;
    s_.FreshRun = 0;
    host_.SetStatus(QStringLiteral("Demo Playback (%1)").arg(s_.DemoLengthFrames));
    PlayLevel();
    if (s_.LevelSolved != 1) host_.SetStatus(QStringLiteral("Demo Failed"));
    s_.DemoPlayback = 0;
    if (s_.PlayingDirectory == 0) InGameDemoSpeed(GetSpeedIndex(DemoSpeedSetting));
    if (!FinalSituation) view_.RedrawAll();
}

void GameSession::PlayLevel() {
    s_.GameRunning = 0;
    s_.StopRequested = 0;
    host_.ReadCurrentLevel();
    // The buffers follow the level's size.
    if (view_.Scroll() == nullptr ||
        view_.Scroll()->Width() != (s_.FieldWidth + 2) * 32 ||
        view_.Scroll()->Height() != (s_.FieldHeight + 2) * 32)
        view_.ReStretch(view_.ctx.Stretch);
    BeginRun(s_);
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

    if (s_.PlayingDirectory == 0 && !SkipGetReady) GetReady();
    SkipGetReady = false;

    RunGame();

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
}

void GameSession::GetReady() {
    const int16_t total = static_cast<int16_t>(GetReadyTime * 500);
    if (total <= 0) return;
    const int step = RoundTo32(total / 200.0);
    for (int i = 1; i <= 200; ++i) {
        tick_.DelayMS(step, [this] { host_.ProcessEvents(); });
        host_.SetProgress(i);
        if (QuitRequested) break;
    }
    host_.SetProgress(-1);
}

// The run's counters were reset by BeginRun; the panel shows them and the loop starts.
void GameSession::RunGame() {
    view_.showSteps(s_.StepCount);
    MainLoop();
}

void GameSession::Idle() {
    PauseIdleMark = true;
    host_.ProcessEvents();
    QThread::msleep(2);
}

void GameSession::MainLoop() {
    if (MusicOn) sound_.PlayMusic();
    s_.RedDiskState = 0;
    s_.MainLoopActive = 1;
    int64_t frameStart = 0;  // the first frame runs at once
    for (;;) {
        if (Paused) {
            if (!AppInactive) PollPauseKey();
            Idle();
            continue;
        }
        if (AppInactive) {
            Idle();
            continue;
        }
        // Wait for the frame time; events run meanwhile.
        for (;;) {
            host_.ProcessEvents();
            if (frameStart == 0) break;
            const int64_t elapsed = tick_.TickDiffUS(frameStart);
            if (elapsed >= DeltaT) break;
            // Sleep in small steps while more than 2 ms remain; the last stretch is busy.
            if (DeltaT - elapsed > int64_t{2000} * 10000) QThread::usleep(500);
        }
        if (Paused || AppInactive) continue;
        frameStart = tick_.TickNow();

        view_.Present();
        if (s_.StopRequested != 0) break;

        PollFrameKeys();
        const bool ended = RunFrameWork(s_);
        emit frameDone();

        if (s_.PlayingDirectory == 0) {
            host_.ShowFrameCount(s_.Frames());
            if (s_.DemoPlayback == 1) {
                const int64_t f = DemoDelay > 0 ? RoundHalfEven(1000000.0 / DemoDelay) : 1000000;
                host_.ShowTimeLeft(TimeText((s_.DemoLengthFrames - s_.Frames()) / f));
            }
            if (MemoryMode) MemoryStep();
        }
        if (ended || RestartRequested || QuitRequested) break;
    }
    // The last frame stays on screen for its full time.
    while (frameStart != 0 && tick_.TickDiffUS(frameStart) < DeltaT) host_.ProcessEvents();
    EndRun(s_);

    if (s_.DemoPlayback == 0 && s_.PlayFromEditor == 0) host_.WriteLastRunFile();
    Stop();
    view_.Present();
    s_.MainLoopActive = 0;
}

void GameSession::MemoryStep() {
    view_.ShowLevelInMemory();
    if (host_.AskMemoryStep()) return;
    MemoryMode = false;
    s_.ForceFullRedraw = true;
    view_.RedrawAll();
    view_.LoadDisplayLevel();
    view_.Present();
}

// ---------------------------------------------------------------- keyboard

CommandContext GameSession::Context() const {
    CommandContext c;
    c.running = s_.GameRunning != 0;
    c.playingDemo = s_.DemoPlayback == 1;
    c.levelLoaded = s_.LevelLoaded;
    c.levelHasDemo = s_.LevelHasDemo;
    c.editMode = EditMode;
    c.playingDirectory = s_.PlayingDirectory != 0;
    c.quickSaveOrLoadMade = QuickSaveOrLoadMade;
    c.gameMode = GameMode;
    return c;
}

void GameSession::PollFrameKeys() {
    const KeyboardState k = keys_.Poll();
    TakeFrameInput(s_, ActionFromKeys(k));
    if (s_.DemoPlayback == 1 && s_.EndLevelNow != 0) return;  // the demo has ended
    if (s_.MurphyInput != ShownKey) {
        host_.ShowKey(s_.MurphyInput);
        ShownKey = s_.MurphyInput;
    }
    if (k.Down(1) && !PauseIdleMark) {
        s_.MurphyKilled = 1;
        s_.LoadingSavedGame = 0;
    }
    PollCommands(k);
}

void GameSession::PollPauseKey() {
    if (PauseKeyUnpauses(keys_.Poll(), NowMs(), KeyRepeatTick)) TogglePause();
}

void GameSession::PollCommands(const KeyboardState& k) {
    Execute(ChooseCommand(k, Context(), NowMs(), KeyRepeatTick));
}

void GameSession::IdlePoll() {
    if (AppInactive || inCommand_) return;
    inCommand_ = true;
    PollCommands(keys_.Poll());
    inCommand_ = false;
}

void GameSession::IdleLoop() {
    while (!QuitRequested) {
        IdlePoll();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(5);
    }
}

void GameSession::Execute(Command c) {
    switch (c) {
        case Command::None:
        case Command::AltHeld:
        case Command::Grid:       // the editor arrives later
        case Command::QuickSave:  // saved games arrive later
        case Command::QuickLoad:
            break;
        case Command::MusicDown: SubMusicVol(false); break;
        case Command::MusicUp: SubMusicVol(true); break;
        case Command::FxDown: SubSoundFxVol(false); break;
        case Command::FxUp: SubSoundFxVol(true); break;
        case Command::MemoryMode: MemoryMode = true; break;
        case Command::ShowRedDisks:
            if (s_.RedDiskShowCount == 0 && s_.NoDisplay == 0) {
                view_.showRedDisks(s_.RedDiskCount);
                s_.RedDiskShowCount = 70;
            }
            break;
        case Command::PlayDemo:
            s_.GameRunning = 0;
            view_.showSteps(s_.StepCount);
            PlayDemoCommand();
            break;
        case Command::AutoZoom:
            view_.ctx.Stretch = -1.0f;
            view_.SetZoomMenu(screenWidth, screenHeight);
            break;
        case Command::Panel: host_.TogglePanel(); break;
        case Command::Restart:
            // The running run ends after this frame and finishes its own end-of-run steps;
            // the new run starts after it, never inside it.
            s_.ForceFullRedraw = true;
            SkipGetReady = true;
            s_.StepCount = 0;
            restartDemo_ = s_.DemoPlayback == 1;
            RestartRequested = true;
            host_.UpdateAllControls();
            break;
        case Command::Slower: Slower(); break;
        case Command::Faster: Faster(); break;
        case Command::Snapshot: host_.SaveSnapshot(); break;
        case Command::ZoomOut: SubZoom(false); break;
        case Command::ZoomIn: SubZoom(true); break;
        case Command::RestoreSpeeds: RestoreSpeeds(); break;
        case Command::Pause: TogglePause(); break;
        case Command::Play: PlayCommand(); break;
        case Command::Escape:
            if (s_.MainLoopActive != 0) {
                PauseIdleMark = false;
            } else if (PauseIdleMark) {
                PauseIdleMark = false;
            } else {
                keys_.ReleaseAll();
                if (host_.AskExit()) QuitRequested = true;
            }
            break;
    }
}

}  // namespace tsn
