#include "engine/trace_line.h"

#include <cinttypes>
#include <cstdio>

#include "engine/field_hash.h"
#include "engine/game_state.h"

namespace tsn {

std::string TraceLine(const GameState& g) {
    char buf[160];
    std::snprintf(buf, sizeof buf, "%" PRId64 " %d %d %d %d %u %u %d %d %016" PRIx64, g.Frames(),
                  g.MurphyPos, g.MurphyInput, g.InfotronsNeeded, g.RedDiskCount,
                  static_cast<unsigned>(g.RandomSeed), static_cast<unsigned>(g.LevelSolved),
                  g.LeadOutCounter, g.StepCount, FieldHash(g));
    return buf;
}

}  // namespace tsn
