#pragma once
// Runs of the game in the window, as a state machine driven by the application's event loop:
// idle between runs, the get-ready bar, the running frames (paused or not) and the end of a
// run. One frame clock (a single-shot precise timer) calls Tick(), which does one step of the
// current state and arms the clock again; window events run between ticks and only set flags
// the next tick reads. Nothing waits in a loop and nothing pumps events.
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>

#include "app/command_keys.h"
#include "app/key_table.h"
#include "app/tick_count.h"
#include "engine/run_rules.h"

namespace tsn {

struct WindowState;
class ViewController;
class SoundSystem;
class SessionHost;

class GameSession : public QObject {
    Q_OBJECT
public:
    enum class Phase {
        Idle,      // no run: key polls while keys are held
        GetReady,  // the get-ready bar before the first frame
        Running,   // frames at the run's pace (also while paused or inactive)
        Ending,    // the last frame stays on screen for its full time
        Halted,    // the window is shutting down
    };

    GameSession(WindowState& s, ViewController& view, SoundSystem& sound, KeyboardState& keys,
                SessionHost& host);

    // ---- Speeds (microseconds per frame) ----
    int32_t PlayDelay = 28571;
    int32_t DemoDelay = 28571;
    int32_t PlaySpeedSetting = 28571;
    int32_t DemoSpeedSetting = 28571;
    int64_t DeltaT = 0;  // fixed point, four decimals

    // ---- Flags read between frames ----
    bool Paused = false;
    bool MemoryMode = false;
    bool PauseIdleMark = false;
    bool AppInactive = false;
    bool SkipGetReady = false;
    bool QuitRequested = false;
    bool RestartRequested = false;
    bool KeyRepeatLock = false;
    double KeyRepeatTick = -1e9;
    int ShownKey = 0;
    bool QuickSaveOrLoadMade = false;
    // Carried out by the next frame, before its keys (game_session_saves.cpp).
    bool QuickSaveRequest = false;
    bool QuickLoadRequest = false;

    // ---- Options ----
    int GetReadyTime = 2;  // half seconds
    bool FinalSituation = false;
    bool MusicOn = true;
    bool SoundFxOn = true;
    int GameMode = 2;
    bool EditMode = false;
    RunRules Rules;  // from the settings
    // In the editor the play command first hands the edited level to the run (false: no run);
    // the grid key toggles the editor's grid.
    std::function<bool()> editorPlay;
    std::function<void()> gridKey;

    // Commands of the buttons, menus and keys. Starting a run only changes the phase: the
    // run's frames follow from the event loop.
    void PlayCommand();
    void PlayDemoCommand();
    void TogglePause();
    void Stop();
    void Faster();
    void Slower();
    void MenuPlaySpeed(int index);
    void MenuDemoSpeed(int index);
    void RestoreSpeeds();
    void SubZoom(bool zoomIn);
    void SubMusicVol(bool up);
    void SubSoundFxVol(bool up);
    void SetAppInactive(bool inactive);

    // ---- Saved games (game_session_saves.cpp) ----
    // Quick saves are offered in free play only.
    bool QuickSaveAllowed() const { return GameMode == 1; }
    // The save key during a run: the request, or the box that tells why not.
    void QuickSaveKey();
    // The load key and File -> "Load Savegame": the request when the level file has a saved
    // game of its own; without a run going on, a run is started to take it.
    void QuickLoadCommand();

    void InGamePlaySpeed(int index);
    void InGameDemoSpeed(int index);
    void UpdateDeltaT();

    // The frame clock's step: one turn of the current phase. Tests call it directly.
    void Tick();
    Phase CurrentPhase() const { return phase_; }
    // True while the frame clock is armed.
    bool ClockArmed() const { return clock_.isActive(); }
    // A key went down or up: outside a run (and while paused) the keys are polled.
    void KeyActivity();
    // A close request during a run: the run ends now with its end-of-run steps.
    void EndRunNow();
    // The window is going away: no more ticks.
    void Halt();

    // Carries out a command key.
    void Execute(Command c);
    CommandContext Context() const;
    double NowMs() const;

    TickCountObject& Clock() { return tick_; }
    // Screen size for the automatic zoom.
    int screenWidth = 1024;
    int screenHeight = 768;

signals:
    void runStarted();
    void frameDone();
    void runEnded();
    // The user confirmed leaving the program (or closed the window during a run).
    void quitRequested();

private:
    void StepSpeed(int step);
    void StepVolume(bool up, bool enabled, int (SoundSystem::*get)() const,
                    void (SoundSystem::*set)(int));
    void StartRun(bool demo);
    void PrepareRun();
    void EnterLoop();
    void GetReadyStep();
    void RunTurn();
    void ArmNextFrame();
    int WholeMsLeft() const;
    bool FrameTimeLeft();
    void Frame();
    void BeginEnding();
    void EndingTurn();
    // The end-of-run steps; `mayContinue` is false when the window closes during the run.
    void FinishRun(bool mayContinue);
    void IdleTurn();
    void DeltaTChanged();
    void PollFrameKeys();
    void PollPauseKey();
    void PollCommands(const KeyboardState& k);
    void MemoryStep();
    void RedrawEverything();
    void CarryOutSavedGameRequests();
    void LoadQuickSave();
    void WriteQuickSave();
    void TakeKeyLock();
    void FpsTick();
    void Arm(int ms);

    WindowState& s_;
    ViewController& view_;
    SoundSystem& sound_;
    KeyboardState& keys_;
    SessionHost& host_;
    TickCountObject tick_;
    QTimer clock_;
    QTimer keyControlTimer_;
    QTimer fpsTimer_;
    Phase phase_ = Phase::Idle;
    bool demoRun_ = false;
    bool inTick_ = false;
    int getReadyStep_ = 0;
    int getReadyDelay_ = 0;
    int64_t frameStart_ = 0;  // 0: the first frame runs at once
    int fpsTicks_ = 0;
    int64_t fpsStartFrame_ = 0;
    int64_t fpsStartTick_ = 0;
};

}  // namespace tsn
