#include "run/run_setup.h"

#include "engine/game_state.h"
#include "files/level_source.h"
#include "files/read_level.h"

namespace tsn {

FileStatus PrepareRun(GameState& s, const RunSetup& setup) {
    if (!setup.display) s.NoDisplay = 1;
    s.Rules = setup.rules;
    s.DemoPlayback = setup.demo ? 1 : 0;
    s.FreshRun = !setup.demo && !setup.seed ? 1 : 0;
    if (!setup.file.empty()) s.CurrentLevelFile = setup.file;
    if (setup.level != 0) {
        s.CurrentLevelNumber = static_cast<uint8_t>(setup.level);
        s.LoadedLevelNumber = s.CurrentLevelNumber;
    }
    FileStatus read;
    LevelSource none;
    if (setup.readLevel)
        read = setup.read ? setup.read(s)
                          : ReadLevel(s, setup.source ? *setup.source : none, "", setup.restart);
    if (read && !setup.demo && setup.seed) {
        s.RandomSeed = *setup.seed;
        s.StartRandomSeed = s.RandomSeed;
    }
    return read;
}

}  // namespace tsn
