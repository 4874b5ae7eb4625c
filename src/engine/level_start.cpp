#include "engine/level_start.h"

#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/random.h"

namespace tsn {

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

    FindMurphy(s);
    s.MurphyLastPos = s.MurphyPos;
    s.MurphyCoarseX = static_cast<int16_t>(2 * s.CellColumn(s.MurphyPos));
    s.MurphyCoarseY = static_cast<int16_t>(2 * s.CellRow(s.MurphyPos));
    if (s.Drawing()) {
        s.view->drawSprite(s.MurphyScreenXPos, s.MurphyScreenYPos, kMurphy);
        s.view->placeView(s, false);  // no run is going yet: at once
    }
}

}  // namespace tsn
