// Every run starts from the same state, whatever ran before on the same state object: a second
// run on a used state traces frame by frame exactly like the same run on a fresh state.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "engine/field_hash.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "run/run_setup.h"

namespace tsn {
namespace {

const std::string kLevels = TESSARIN_LEVEL_DATA;

std::string Line(const GameState& g) {
    char line[200];
    std::snprintf(line, sizeof line, "%lld %d %d %d %d %d %u %d %d %d %d %d %d %d %016llx",
                  static_cast<long long>(g.Frames()), g.MurphyPos, g.MurphyInput,
                  g.MurphyScreenXPos, g.MurphyScreenYPos, g.InfotronsNeeded, g.RandomSeed,
                  g.RedDiskCount, g.RedDiskState, g.LevelSolved, g.LeadOutCounter, g.StepCount,
                  g.ExplosionInProgress, g.TerminalBlinkMask,
                  static_cast<unsigned long long>(FieldHash(g)));
    return line;
}

// A run that sways Murphy left and right while the level's elements do their work.
int Sway(int64_t frame) { return frame / 24 % 4 == 0 ? 4 : frame / 24 % 4 == 2 ? 2 : 0; }

std::vector<std::string> Trace(GameState& s, const RunSetup& setup, int64_t frames) {
    EXPECT_TRUE(PrepareRun(s, setup));
    BeginRun(s);
    std::vector<std::string> lines;
    RunHeadless(s, Sway, frames, [&](const GameState& g) { lines.push_back(Line(g)); });
    return lines;
}

RunSetup DemoOf(int level) {
    RunSetup setup;
    char name[16];
    std::snprintf(name, sizeof name, "/%03d.qv", level);
    setup.file = kLevels + "/solutions" + name;
    setup.demo = true;
    return setup;
}

RunSetup KeysOn(int level, uint16_t seed) {
    RunSetup setup;
    setup.file = kLevels + "/LEVELS.DAT";
    setup.level = level;
    setup.seed = seed;
    return setup;
}

TEST(RunReset, ASecondRunOnAUsedStateTracesLikeAFreshOne) {
    // Busy first runs, each stopped in the middle: disks and a terminal, Electrons, Snik
    // Snaks under falling Zonks, gravity ports; then the second runs.
    const RunSetup first[] = {DemoOf(50), DemoOf(37), KeysOn(45, 11), DemoOf(54)};
    const RunSetup second[] = {DemoOf(36), KeysOn(50, 7), DemoOf(27)};
    for (const RunSetup& then : second) {
        GameState fresh;
        const auto expected = Trace(fresh, then, 2000);
        for (const RunSetup& before : first) {
            GameState used;
            RunSetup busy = before;
            busy.rules.AllowRedDiskCheat = false;  // each run takes its own rules
            Trace(used, busy, 500);
            EXPECT_EQ(Trace(used, then, 2000), expected) << before.file << " then " << then.file;
        }
    }
}

}  // namespace
}  // namespace tsn
