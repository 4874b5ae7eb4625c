#include "engine/level_start.h"

#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/random.h"

namespace tsn {

void ResetRunState(GameState& s) {
    s.MurphyKilled = 0;
    s.EndLevelNow = 0;
    s.LeadOutCounter = 0;
    s.RedDiskCount = 0;
    s.RedDiskShowCount = 0;
    s.ExplosionInProgress = 0;
    s.TerminalBlinkMask = 127;
    s.EnemiesFrozen = 0;
    s.RedDiskState = 0;
    s.RedDiskPos = 0;
    s.FrameCounter = 0;
    // Every private variable of Murphy starts from zero, so that a run never depends on what
    // an earlier run in the same process left behind (a replay starts from a fresh process).
    s.MurphyFacingLeft = 0;
    s.IdleCounter = 0;
    s.TerminalsUsed = 0;
    s.PortPassActive = 0;
    s.MurphyFalling = 0;
    s.NoKeyAtRest = 0;
    s.MurphyDX = 0;
    s.MurphyDY = 0;
    s.MurphyAnimPhase = 0;
    s.MurphyAnimSequence.clear();
    s.MurphyClearCell = 0;
    s.MurphyDrawCell = 0;
    s.MurphyOverlayOffset = 0;
    s.MurphySecondSprite = 0;
    s.MurphyDownTarget = 0;
    s.MurphyDelay = 0;
    s.MurphyPresent = 0;
    s.MurphyInput = 0;
}

void StartLevelFromField(GameState& s) {
    if (s.FreshRun == 1) {
        RandomizeFromClock(s);
        s.StartRandomSeed = s.RandomSeed;
    }
    const int infotrons = ConvertField(s);
    if (s.Drawing()) s.view->drawField(s);
    if (s.LoadingSavedGame != 0) return;

    const int needed = s.Info.infotronsNeeded();
    s.InfotronsNeeded = static_cast<int16_t>(needed != 0 ? needed : infotrons % 256);
    if (s.Drawing()) s.view->showInfotronsNeeded(s.InfotronsNeeded);

    ResetRunState(s);

    FindMurphy(s);
    s.MurphyLastPos = s.MurphyPos;
    s.MurphyCoarseX = static_cast<int16_t>(2 * s.CellColumn(s.MurphyPos));
    s.MurphyCoarseY = static_cast<int16_t>(2 * s.CellRow(s.MurphyPos));
    if (s.Drawing()) {
        s.view->drawSprite(s.MurphyScreenXPos, s.MurphyScreenYPos, kMurphy);
        s.view->placeView(s, s.GameRunning != 0);
    }
}

}  // namespace tsn
