#pragma once
// Runs of the game in the window: the run sequence, the main loop with its frame timing, the
// keyboard polls, pause and stop, the speeds and the idle loop between runs. Window events
// are handled while the loop waits for the next frame; they only set flags the loop reads.
#include <QObject>
#include <QTimer>
#include <cstdint>

#include "app/command_keys.h"
#include "app/key_table.h"
#include "app/tick_count.h"

namespace tsn {

struct GameState;
class ViewController;
class SoundSystem;
class SessionHost;

class GameSession : public QObject {
    Q_OBJECT
public:
    GameSession(GameState& s, ViewController& view, SoundSystem& sound, KeyboardState& keys,
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

    // ---- Options ----
    int GetReadyTime = 2;  // half seconds
    bool FinalSituation = false;
    bool MusicOn = true;
    bool SoundFxOn = true;
    int GameMode = 2;
    bool EditMode = false;

    // Commands of the buttons, menus and keys.
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

    void InGamePlaySpeed(int index);
    void InGameDemoSpeed(int index);
    void UpdateDeltaT();

    // One poll of the keyboard outside a run (the idle loop calls it).
    void IdlePoll();
    // The idle loop: polls and dispatches events until QuitRequested.
    void IdleLoop();

    // Carries out a command key.
    void Execute(Command c);
    CommandContext Context() const;
    double NowMs() const;

    TickCountObject& Tick() { return tick_; }
    // Screen size for the automatic zoom.
    int screenWidth = 1024;
    int screenHeight = 768;

signals:
    void runStarted();
    void frameDone();

private:
    void StepVolume(bool up, bool enabled, int (SoundSystem::*get)() const,
                    void (SoundSystem::*set)(int));
    void PlayLevel();
    void RunGame();
    void MainLoop();
    void GetReady();
    void PollFrameKeys();
    void PollPauseKey();
    void PollCommands(const KeyboardState& k);
    void MemoryStep();
    void TakeKeyLock();
    void FpsTick();
    void Idle();
    void NormalizeFieldBytes();
    void AfterRunRedraw();
    void RunWithRestarts(bool demo);
    void PlayOnce();
    void PlayDemoOnce();

    GameState& s_;
    ViewController& view_;
    SoundSystem& sound_;
    KeyboardState& keys_;
    SessionHost& host_;
    TickCountObject tick_;
    QTimer keyControlTimer_;
    QTimer fpsTimer_;
    int fpsTicks_ = 0;
    int64_t fpsStartFrame_ = 0;
    int64_t fpsStartTick_ = 0;
    bool inCommand_ = false;
    bool restartDemo_ = false;
};

}  // namespace tsn
