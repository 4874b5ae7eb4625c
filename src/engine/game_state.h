#pragma once
// The whole state of the game, grouped by lifetime: what a level load sets (LevelState), what
// every run starts afresh (RunState) and what a run is given to play by (RunInputs). Element
// procedures take this object and a cell index; nothing else holds game state. Where the next
// level is read from, the window's flags and the last run's figures belong to the host.
//
// Names follow the game's own vocabulary (MurphyPos, PlayField16, ...) so that every rule
// about a variable can be found by its name. Widths match the stored formats: 16-bit values
// wrap as 16-bit values, 8-bit values as 8-bit values.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/demo_buffer.h"
#include "engine/play_field.h"
#include "engine/run_rules.h"
#include "engine/view.h"
#include "engine/level_info.h"

namespace tsn {

inline constexpr int kStandardWidth = 60;
inline constexpr int kStandardHeight = 24;
inline constexpr int kStandardRecordSize = kStandardWidth * kStandardHeight + kLevelInfoSize;

// Frame counters are fixed-point values with four decimals.
inline constexpr int64_t kFixedOne = 10000;

// ---- What a level load sets: the loaders fill it, and every run re-reads its level ----
struct LevelState {
    // Geometry
    int16_t FieldWidth = kStandardWidth;
    int16_t FieldHeight = kStandardHeight;
    int16_t LevelInfoSize = kLevelInfoSize;
    int16_t LevelRecordUpper = kStandardRecordSize - 1;
    int16_t FieldUpper = kStandardWidth * kStandardHeight - 1;

    // The level as loaded, and the field the run plays on
    PlayField PlayField16;
    std::vector<uint8_t> FieldBytes;          // 0 .. FieldUpper: codes as loaded
    std::vector<uint8_t> LevelBytes;          // 0 .. LevelBufferUpper: explosion counters + demo
    std::vector<uint8_t> TerminalBlinkTimer;  // 0 .. LevelRecordUpper
    std::vector<int16_t> ActiveCells;         // cells collected by the per-frame scan
    std::vector<uint8_t> ActiveCodes;         // their codes at the time of the scan
    int32_t LevelBufferUpper = kStandardRecordSize - 1;
    LevelInfo Info;

    std::string CurrentLevelFile;
    uint8_t CurrentLevelNumber = 1;
    uint8_t LoadedLevelNumber = 1;
    bool LevelHasDemo = false;
    int16_t DemoStartIndex = kStandardRecordSize;
    bool NonStandardLevel = false;
    bool LevelLoaded = false;
    bool LevelFromSet = false;
    std::string DemoSignature;
    bool DemoHasSignature = false;

    // Set from the info block (special ports change them during a run)
    uint8_t GravityOn = 0;
    int16_t ZonksFrozen = 0;
    // The random generator: seeded by the loader (from a demo or the clock) or by level start
    uint16_t RandomSeed = 0;
    uint16_t StartRandomSeed = 0;

    // Demo playback position in LevelBytes
    int32_t DemoReadIndex = 0;
    int16_t DemoRepeatCount = 0;
    int64_t DemoLengthFrames = 0;
    uint8_t DemoFirstByte = 129;

    // ---- Cell routines (16-bit arithmetic) ----
    int16_t CellIndex(int x, int y) const { return static_cast<int16_t>(y * FieldWidth + x); }
    int16_t CellColumn(int i) const { return static_cast<int16_t>(i % FieldWidth); }
    int16_t CellRow(int i) const { return static_cast<int16_t>(i / FieldWidth); }
    int16_t CellPixelX(int i) const { return static_cast<int16_t>(CellColumn(i) * 32); }
    int16_t CellPixelY(int i) const { return static_cast<int16_t>(CellRow(i) * 32); }

    // Sets the level size and re-creates the per-level arrays (all cleared).
    void SetGeometry(int width, int height);
};

// ---- What every run starts afresh ----
// BeginRun (engine/run.h) resets all of it with one assignment of a default RunState, so the
// defaults here are the values every run starts from, and nothing a previous run left behind
// can reach the next one.
struct RunState {
    int16_t MurphyPos = 0;
    int16_t MurphyLastPos = 0;
    uint8_t MurphyPresent = 0;
    uint8_t MurphyKilled = 0;
    int16_t MurphyInput = 0;
    int16_t MurphyScreenXPos = 0;
    int16_t MurphyScreenYPos = 0;
    int16_t InfotronsNeeded = 0;
    int16_t RedDiskCount = 0;
    int16_t RedDiskState = 0;
    int16_t RedDiskPos = 0;
    int16_t EnemiesFrozen = 0;
    int16_t TerminalBlinkMask = 127;
    int16_t ExplosionInProgress = 0;
    uint8_t LevelSolved = 0;
    int16_t EndLevelNow = 0;
    int16_t LeadOutCounter = 0;
    int16_t StopRequested = 0;
    int64_t FrameCounter = 0;  // fixed point: frames * 10000
    int16_t StepCount = 0;
    uint8_t RedDiskShowCount = 0;
    uint8_t SavedGameLoads = 0;

    // Murphy's private state
    uint8_t MurphyFalling = 0;
    int16_t NoKeyAtRest = 0;
    int32_t IdleCounter = 0;
    uint8_t MurphyFacingLeft = 0;
    int16_t MurphyDX = 0;
    int16_t MurphyDY = 0;
    int16_t MurphyAnimPhase = 0;
    std::vector<int16_t> MurphyAnimSequence;  // sprite numbers ending with -1
    int16_t MurphyClearCell = 0;
    int16_t MurphyDrawCell = 0;
    int16_t MurphyOverlayOffset = 0;
    int16_t MurphySecondSprite = 0;
    uint16_t MurphyDownTarget = 0;
    uint16_t MurphyDelay = 0;
    uint8_t PortPassActive = 0;
    int16_t MurphyCoarseX = 0;
    int16_t MurphyCoarseY = 0;
    uint8_t TerminalsUsed = 0;

    // The run's recorded actions
    DemoBufferObject DemoBuffer;
    bool DemoBufferLive = false;  // a demo has been recorded in this run
};

// ---- What a run reads but neither loads nor resets: the run's preparation (run/run_setup.h)
// sets them before BeginRun, a saved-game load restores the rules and the playback flag, and
// the window switches the drawing off and on at its speed keys ----
struct RunInputs {
    RunRules Rules;
    uint8_t DemoPlayback = 0;       // the actions come from the level's demo
    uint8_t FreshRun = 0;           // level start seeds the random generator from the clock
    int16_t LoadingSavedGame = 0;   // level start only converts the field: a saved game follows
    int16_t NoDisplay = 0;          // nothing is drawn and the exit sound is not played
};

struct GameState : LevelState, RunState, RunInputs {
    GameState();

    // ---- Outside world ----
    GameView* view = nullptr;  // absent: nothing is drawn
    SoundOut* sound = nullptr; // absent: nothing is heard
    // Millisecond tick count read as a signed 32-bit number; tests inject their own.
    std::function<int32_t()> clock;

    int64_t Frames() const { return FrameCounter / kFixedOne; }

    // True while drawing reaches a screen.
    bool Drawing() const { return view != nullptr && NoDisplay == 0; }
    // Draws a sprite at the top-left corner of a cell.
    void DrawCellSprite(int cell, int sprite) {
        if (Drawing()) view->drawSprite(CellPixelX(cell), CellPixelY(cell), sprite);
    }
    void DrawSpriteAt(int x, int y, int sprite) {
        if (Drawing()) view->drawSprite(x, y, sprite);
    }
};

}  // namespace tsn
