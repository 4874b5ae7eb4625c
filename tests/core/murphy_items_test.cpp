// Red disks, terminals, ports and special ports as Murphy uses them.
#include <gtest/gtest.h>

#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

// Murphy at (2,1) carrying one red disk, after a frame without input.
const std::vector<std::string> kCarry = {"######", "#MD..#", "######"};
const Stretch kPickUp = Hold(kRight, 9);
const Stretch kRest = Hold(kNone, 1);

SpecialPortInfo PortAt(int cell, uint8_t gravity = 0, uint8_t zonks = 0, uint8_t enemies = 0) {
    return {static_cast<int16_t>(2 * cell), gravity, zonks, enemies};
}
const LevelOptions kPorts{.specialPorts = {PortAt(4), PortAt(2, 1, 2, 1)}};

const Scenario kItems[] = {
    // Eating to the right takes nine frames; without the old drawing fault he ends exactly one
    // cell further. The label is cleared 70 frames after the pick-up, counting its own frame.
    Play("red disk to the right", {"#####", "#MD.#", "#####"}, Given({Is(EatRightRedDiskBug, 0)}),
         Hold(kRight, 8, {CellIs(2, 1, 0x1F03), Is(RedDiskCount, 0)}),
         Hold(kRight, 1,
              {CellIs(2, 1, 3), CellIs(1, 1, 0), Is(RedDiskCount, 1), Is(StepCount, 1),
               Is(ScreenXMoved, 32), Is(RedDiskShowCount, 69)}),
         Hold(kNone, 69, {Is(RedDiskShowCount, 0)})),
    Play("red disk to the right, drawing fault kept", {"#####", "#MD.#", "#####"},
         Given({Is(EatRightRedDiskBug, 1)}),
         Hold(kRight, 9,
              {CellIs(2, 1, 3), Is(RedDiskCount, 1), Is(ScreenXMoved, 36),
               Is(RedDiskShowCount, 69)})),
    // From above and below he stays in his cell until the disk is eaten; a snap leaves him.
    Play("red disks up, down and snapped", {"#####", "#.D.#", "#DMD#", "#.D.#", "#####"},
         Hold(kUp, 1, {Is(ActionState, 28), CellIs(2, 1, kMurphyTrail)}),
         Hold(kUp, 7, {MurphyAt(2, 1)}), Hold(kDown, 16, {MurphyAt(2, 3)}), Hold(kUp, 8),
         Hold(kSnapLeft, 1, {CellIs(1, 2, 0x0314)}), Hold(kNone, 7, {CellIs(1, 2, 0)}),
         Hold(kSnapRight, 8, {MurphyAt(2, 2), Is(RedDiskCount, 4), Is(StepCount, 4 + 2)})),
    // Space held 64 frames lays it (the end of the wait sounds like a push, a step); the label
    // still counts down from the pick-up. The disk shows up in the cell he left, blows up later.
    Play("laying a red disk", kCarry, Given({Is(RedDiskCheat, 0)}), kPickUp, kRest,
         Hold(kSpace, 1, {Is(ActionState, 42), Is(RedDiskState, 1), RedDiskAt(2, 1)}),
         Hold(kSpace, 63, {Is(ActionState, 42), Is(RedDiskCount, 1), Is(StepCount, 2)}),
         Hold(kSpace, 1,
              {CellIs(2, 1, 3), Is(RedDiskCount, 0), Is(RedDiskState, 3),
               Is(RedDiskShowCount, 70 - 67)}),
         Hold(kRight, 8, {CellIs(2, 1, 20)}),
         Hold(kNone, 40, {Is(RedDiskState, 0), LowIs(2, 1, 31)})),
    Play("releasing space cancels laying", kCarry, Given({Is(RedDiskCheat, 0)}), kPickUp, kRest,
         Hold(kSpace, 40),
         Hold(kNone, 1, {CellIs(2, 1, 3), Is(RedDiskState, 0), Is(RedDiskCount, 1)}),
         Hold(kNone, 80, {Is(RedDiskCount, 1)})),
    Play("space right after a direction does nothing", kCarry, Given({Is(RedDiskCheat, 0)}),
         kPickUp, kRest, Hold(kUp, 1),
         Hold(kSpace, 80, {CellIs(2, 1, 3), Is(RedDiskState, 0), Is(RedDiskCount, 1)})),
    Play("space without a disk does nothing", {"#M.#"}, kRest,
         Hold(kSpace, 70, {Is(RedDiskState, 0)})),
    // The disk he laid himself, picked up again, counts only with the cheat.
    Play("laid disk picked up again", kCarry, Given({Is(RedDiskCheat, 0)}), kPickUp, kRest,
         Hold(kSpace, 65, {Is(RedDiskCount, 0)}), Hold(kRight, 8, {CellIs(2, 1, 20)}),
         Hold(kLeft, 8, {MurphyAt(2, 1), Is(StepCount, 4), Is(RedDiskCount, 0)})),
    Play("laid disk picked up again with the cheat", kCarry, Given({Is(RedDiskCheat, 1)}), kPickUp,
         kRest, Hold(kSpace, 65), Hold(kRight, 8),
         Hold(kLeft, 8, {MurphyAt(2, 1), Is(StepCount, 4), Is(RedDiskCount, 1)})),
    // The first use blows up the yellow disks at rest (the one at (8,2) caught by the blast of
    // the one above, with its chain timer already counted once); its blink timer is 8 plus the
    // terminal's own frame. A second use only resets idling: a yellow disk put down since stays.
    Play("terminal", {"##########", "#MT.....Y#", "#.......Y#", "#..Y.....#", "##########"},
         Given({CellIs(3, 3, 0x2012)}),
         Hold(kRight, 1,
              {CellIs(1, 1, 3), Is(TerminalsUsed, 1), Is(TerminalBlinkMask, 7), BlinkIs(2, 1, 9),
               LowIs(8, 1, 31), LowIs(8, 2, 31), TimerIs(8, 2, 12), CellIs(3, 3, 0x2012),
               Is(StepCount, 1)}),
         Hold(kNone, 3),
         Hold(kSnapRight, 1,
              {Is(IdleCounter, 10), Is(StepCount, 1), CellIs(1, 1, 3), CellIs(5, 3, 18)},
              {CellIs(5, 3, 18)})),
    Play("terminal without yellow disks", {"####", "#M.#", "#T.#", "####"},
         Hold(kSnapDown, 1, {Is(TerminalsUsed, 1), Is(StepCount, 0)})),
    // A port is passed in two cells, counted at the start; one pointing the other way is closed.
    Play("port", {"#######", "#M>.<.#", "#######"},
         Hold(kRight, 1, {Is(StepCount, 1), Is(ActionState, 27), CellIs(3, 1, kMurphyTrail)}),
         Hold(kNone, 7,
              {MurphyAt(3, 1), CellIs(1, 1, 0), CellIs(2, 1, 9), Is(ScreenXMoved, 64),
               Is(StepCount, 1)}),
         Hold(kRight, 10, {MurphyAt(3, 1), Is(StepCount, 1)})),
    Play("port with its far side taken", {"######", "#M*+.#", "######"},
         Hold(kRight, 10, {MurphyAt(1, 1), Is(StepCount, 0)})),
    Play("special port", {"#M}.w#", "#....#", "######"}, kPorts,
         Hold(kNone, 0, {CellIs(2, 0, 0x0109)}),
         Hold(kRight, 8,
              {MurphyAt(3, 0), Is(GravityOn, 1), Is(ZonksFrozen, 2), Is(EnemiesFrozen, 1)})),
    Play("plain port where a special port is listed", {"#M>.w#", "#....#", "######"}, kPorts,
         Hold(kRight, 8, {MurphyAt(3, 0), Is(GravityOn, 0), Is(ZonksFrozen, 0)})),
    Play("special port count beyond the table", {"#M}.#", "#####"},
         LevelOptions{.specialPorts = {PortAt(2, 1)}}, Given({Is(SpecialPortCount, 255)}),
         Hold(kRight, 8, {Is(GravityOn, 1)})),
};

TEST(MurphyItems, Scenarios) {
    for (const Scenario& sc : kItems) RunScenario(sc);
}

}  // namespace
}  // namespace tsn
