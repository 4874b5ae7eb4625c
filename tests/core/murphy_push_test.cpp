// Murphy pushing Zonks and disks: the wait with the key held, cancelling, and what is allowed.
#include <gtest/gtest.h>

#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

// Zonks stay where they are unless Murphy moves them.
const LevelOptions kFrozen{.frozenZonks = 2};
const std::vector<std::string> kZonkLeft = {"#######", "#..ZM.#", "#######"};

const Scenario kPushes[] = {
    // The far cell is reserved at once; on the eighth frame held the push sounds (a step), then
    // eight frames of movement whatever the keys do.
    Play("Zonk pushed left", kZonkLeft, kFrozen,
         Hold(kLeft, 1, {Is(ActionState, 14), CellIs(2, 1, kPushTargetZonk)}),
         Hold(kLeft, 6, {Is(StepCount, 0)}),
         Hold(kLeft, 1, {Is(StepCount, 1), CellIs(3, 1, 1), MurphyAt(4, 1)}),
         Hold(kNone, 7, {CellIs(3, 1, 1)}),
         Hold(kNone, 1, {RowIs(1, "#.ZM..#"), MurphyAt(3, 1), Is(StepCount, 1)})),
    // Released on the seventh frame, or the direction changed, everything goes back; released
    // on the eighth the push sound (and its step) still comes, but nothing moves.
    Play("push released early", kZonkLeft, kFrozen, Hold(kLeft, 6),
         Hold(kNone, 1, {RowIs(1, "#..ZM.#"), Is(StepCount, 0)}), Hold(kLeft, 3),
         Hold(kRight, 1, {CellIs(4, 1, 3), CellIs(2, 1, 0)}),
         Hold(kNone, 30, {CellIs(3, 1, 1), Is(StepCount, 0)}), Hold(kLeft, 7),
         Hold(kNone, 1, {RowIs(1, "#..ZM.#"), Is(StepCount, 1)})),
    // A Zonk over a hole goes left but not right; standing on something it goes right too.
    Play("Zonk over a hole pushed left", {"########", "#.ZMZ..#", "##..#.##", "########"}, kFrozen,
         Hold(kLeft, 16, {CellIs(1, 1, 1), MurphyAt(2, 1)})),
    Play("Zonk over a hole pushed right", {"########", "#.ZMZ..#", "###...##", "########"}, kFrozen,
         Hold(kRight, 1, {CellIs(3, 1, 3), CellIs(5, 1, 0)})),
    Play("Zonk pushed right", {"########", "#.ZMZ..#", "###.#.##", "########"}, kFrozen,
         Hold(kRight, 1, {Is(ActionState, 15), CellIs(5, 1, kPushTargetZonk)}),
         Hold(kRight, 15, {CellIs(5, 1, 1), MurphyAt(4, 1)})),
    Play("Zonk with no empty cell beyond", {"#######", "#.+ZM.#", "#######"}, kFrozen,
         Hold(kLeft, 20, {CellIs(4, 1, 3), CellIs(3, 1, 1), Is(StepCount, 0)})),
    // A pushed Zonk landing on an enemy, or on the trail of one, crushes it.
    Play("pushed Zonk lands on a Snik Snak", {"#######", "#..ZM.#", "##.####", "#######"}, kFrozen,
         Given({Is(EnemiesFrozen, 1), CellIs(2, 2, 0x0011)}),
         Hold(kLeft, 15, {CellIs(2, 2, 0x0011)}), Hold(kLeft, 1, {LowIs(2, 2, 31)})),
    Play("pushed Zonk lands on an enemy trail", {"#######", "#..ZM.#", "##.####", "#######"},
         kFrozen, Given({Is(EnemiesFrozen, 1), CellIs(2, 2, kEnemyTrailLeft)}),
         Hold(kLeft, 15, {CellIs(2, 2, kEnemyTrailLeft)}), Hold(kLeft, 1, {LowIs(2, 2, 31)})),
    // An orange disk pushed right onto a hole starts to fall; one over a hole cannot be pushed
    // right but goes left; none goes up or down.
    Play("orange disk pushed right onto a hole", {"#######", "#MO...#", "###.###", "#######"},
         Hold(kRight, 16,
              {MurphyAt(2, 1), LowIs(3, 1, 8), Masked(3, 1, 0xF000, 0x2000),
               CellIs(3, 2, kPushTargetOrange), Is(StepCount, 1)})),
    Play("orange disk over a hole pushed right", {"#######", "#MO...#", "##.####", "#######"},
         Hold(kRight, 1, {CellIs(1, 1, 3), CellIs(3, 1, 0)})),
    Play("orange disk over a hole pushed left", {"#######", "#..OM.#", "##.####", "#######"},
         Hold(kLeft, 16, {MurphyAt(3, 1), LowIs(2, 1, 8)})),
    Play("orange disk pushed up", {"###", "#.#", "#O#", "#M#", "###"},
         Hold(kUp, 20, {CellIs(1, 3, 3), CellIs(1, 2, 8), Is(RunLost, 0)})),
    Play("yellow disks in every direction",
         {"#######", "#.....#", "#..Y..#", "#.YMY.#", "#..Y..#", "#.....#", "#######"},
         Hold(kUp, 1, {Is(ActionState, 36), CellIs(3, 1, kPushTargetYellow)}),
         Hold(kUp, 15, {CellIs(3, 1, 18), MurphyAt(3, 2)}),
         Hold(kDown, 8 + 16, {CellIs(3, 5, 18), MurphyAt(3, 4)}), Hold(kUp, 8),
         Hold(kLeft, 16, {CellIs(1, 3, 18)}),
         Hold(kRight, 8 + 16, {CellIs(5, 3, 18), MurphyAt(4, 3), Is(StepCount, 4 + 3)})),
    Play("snap right after a cancelled push", {"#####", "###+#", "#.ZM#", "#####"}, kFrozen,
         Hold(kLeft, 2), Hold(kNone, 1, {CellIs(3, 2, 3)}),
         Hold(kSnapUp, 8, {CellIs(3, 1, 0), CellIs(3, 2, 3), Is(StepCount, 1)})),
};

TEST(MurphyPush, Scenarios) {
    for (const Scenario& sc : kPushes) RunScenario(sc);
}

}  // namespace
}  // namespace tsn
