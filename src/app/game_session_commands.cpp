// The commands a run reacts to: speeds, zoom and volume keys, pause and stop, activation, the
// keyboard polls and the command keys they choose.
#include "app/game_session.h"

#include <algorithm>

#include "app/session_host.h"
#include "app/speed_table.h"
#include "app/view_controller.h"
#include "app/window_state.h"
#include "engine/frame_step.h"
#include "files/sec_to_time.h"
#include "presentation/sound_system.h"

namespace tsn {

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
    DeltaTChanged();
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
        DeltaTChanged();
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

void GameSession::Faster() { StepSpeed(-1); }

void GameSession::Slower() { StepSpeed(1); }

// One step through the speed table, never to "No display (even faster)".
void GameSession::StepSpeed(int step) {
    if (s_.GameRunning == 0 || KeyRepeatLock) return;
    const bool demo = s_.DemoPlayback == 1;
    const int index =
        std::clamp(GetSpeedIndex(demo ? DemoDelay : PlayDelay) + step, 2, kSpeedCount);
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
    if (phase_ == Phase::Running && !inTick_) Arm(0);
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
    if (inactive) {
        keys_.ReleaseAll();
    } else if (phase_ == Phase::Running && !inTick_) {
        Arm(0);
    }
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
    host_.ShowGameTime(
        QString::fromStdString(SecToTime(static_cast<int32_t>(s_.Frames() / 35)).text));
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

void GameSession::Execute(Command c) {
    switch (c) {
        case Command::None:
        case Command::AltHeld:
            break;
        case Command::QuickSave: QuickSaveKey(); break;
        case Command::QuickLoad: QuickLoadCommand(); break;
        case Command::MusicDown: SubMusicVol(false); break;
        case Command::MusicUp: SubMusicVol(true); break;
        case Command::FxDown: SubSoundFxVol(false); break;
        case Command::FxUp: SubSoundFxVol(true); break;
        case Command::MemoryMode: MemoryMode = true; break;
        case Command::Grid:
            if (!KeyRepeatLock && gridKey) {
                gridKey();
                TakeKeyLock();
            }
            break;
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
                if (host_.AskExit()) {
                    QuitRequested = true;
                    emit quitRequested();
                }
            }
            break;
    }
}

}  // namespace tsn
