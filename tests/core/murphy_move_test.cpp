// Murphy walking, eating, snapping, falling, the exit, idling and the steps of a whole run.
#include <gtest/gtest.h>

#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

const LevelOptions kGravity{.gravity = 1};

const Scenario kMoves[] = {
    // He owns the target at once; his old cell is reserved until the move completes, and the
    // next cell starts in the very next frame.
    Play(
        "walk", {"#######", "#M....#", "#######"},
        Hold(kRight, 1, {MurphyAt(2, 1), CellIs(2, 1, 0x0403), CellIs(1, 1, kMurphyTrail)}),
        Hold(kRight, 6, {Is(StepCount, 0), CellIs(2, 1, 0x0403)}),
        Hold(kRight, 1, {CellIs(2, 1, 3), CellIs(1, 1, 0), Is(StepCount, 1), Is(ScreenXMoved, 32)}),
        Hold(kRight, 8,
             {MurphyAt(3, 1), Is(StepCount, 2), Is(ScreenXMoved, 64), Is(MurphyCoarseX, 6)})),
    // Sideways Infotron eating draws a two-cell picture in place; it counts at the end.
    Play("eat base then Infotron sideways", {"######", "#M+I.#", "#I.#.#", "######"},
         Hold(kNone, 0, {Is(InfotronsNeeded, 2)}),
         Hold(kRight, 8, {MurphyAt(2, 1), Is(StepCount, 1)}),
         Hold(kRight, 1,
              {CellIs(3, 1, 0x0C03), Is(MurphySecondSprite, 4), Is(MurphyClearCell, -1),
               Is(InfotronsNeeded, 2)}),
         Hold(kRight, 7, {Is(InfotronsNeeded, 1), Is(StepCount, 2)})),
    // Input is ignored during an action.
    Play("eat Infotron below", {"####", "#M.#", "#I.#", "####"},
         Hold(kDown, 1, {CellIs(1, 2, 0x0B03)}),
         Hold(kNone, 7, {CellIs(1, 2, 3), Is(InfotronsNeeded, 0), Is(StepCount, 1)})),
    // A snap counts its step at once; the base goes when the snap completes, an Infotron after
    // seven frames; snapping at nothing does nothing.
    Play("snap", {"#####", "#+M.#", "#.I.#", "#####"},
         Hold(kSnapLeft, 1, {Is(StepCount, 1), Is(ActionState, 17), Is(MurphyFacingLeft, 1)}),
         Hold(kNone, 6, {CellIs(1, 1, 2)}),
         Hold(kNone, 1, {CellIs(1, 1, 0), CellIs(2, 1, 3), MurphyAt(2, 1)}),
         Hold(kSnapDown, 1, {CellIs(2, 2, 0xFF04), Is(StepCount, 2)}),
         Hold(kNone, 5, {Is(InfotronsNeeded, 1)}),
         Hold(kNone, 1, {Is(InfotronsNeeded, 0), CellIs(2, 2, 0), CellIs(2, 1, 3)}),
         Hold(kSnapRight, 1, {CellIs(2, 1, 3), Is(StepCount, 2)})),
    // Nothing beside to eat: a key becomes a fall that counts no step; the frame's input stays.
    Play("gravity: fall", {"#####", "#.M.#", "#...#", "#...#", "#####"}, kGravity,
         Hold(kLeft, 1,
              {MurphyAt(2, 2), CellIs(2, 2, 0x0303), Is(MurphyInput, kLeft),
               Is(MurphyFacingLeft, 0)}),
         Hold(kLeft, 7, {CellIs(2, 2, 3), Is(StepCount, 0)}),
         Hold(kNone, 8, {MurphyAt(2, 3), Is(StepCount, 0)}),
         Hold(kLeft, 8, {MurphyAt(1, 3), Is(StepCount, 1)})),
    // A base above is eaten upward; with empty space above, holding up falls instead.
    Play("gravity: base above", {"#####", "#.+.#", "#.M.#", "#...#", "#####"}, kGravity,
         Hold(kUp, 1, {CellIs(2, 1, 0x0503)}), Hold(kUp, 7, {MurphyAt(2, 1), Is(StepCount, 1)}),
         Hold(kUp, 1, {CellIs(2, 2, 0x0303)})),
    Play("gravity: down into a base", {"####", "#M.#", "#+.#", "####"}, kGravity,
         Hold(kDown, 8, {MurphyAt(1, 2), Is(StepCount, 1), Is(MurphyDownTarget, 0)})),
    // Ports that open upward hold him; others do not.
    Play("gravity: port ^ above", {"###", "#^#", "#M#", "#.#", "###"}, kGravity,
         Hold(kNone, 4, {MurphyAt(1, 2)})),
    Play("gravity: port | above", {"###", "#|#", "#M#", "#.#", "###"}, kGravity,
         Hold(kNone, 4, {MurphyAt(1, 2)})),
    Play("gravity: port * above", {"###", "#*#", "#M#", "#.#", "###"}, kGravity,
         Hold(kNone, 4, {MurphyAt(1, 2)})),
    Play("gravity: port v above", {"###", "#v#", "#M#", "#.#", "###"}, kGravity,
         Hold(kNone, 1, {CellIs(1, 3, 0x0303)})),
    Play("exit closed while Infotrons are needed", {"######", "#ME.I#", "######"}, Hold(kRight, 10),
         Hold(kSnapRight, 10, {CellIs(1, 1, 3), Is(LevelSolved, 0), Is(StepCount, 0)})),
    // The exit animation runs 40 frames, then the level ends.
    Play("exit", {"#####", "#ME.#", "#####"},
         Hold(kRight, 1,
              {Is(RunEnded, 0), Is(LevelSolved, 1), Is(StepCount, 1), Is(ActionState, 13),
               MurphyAt(1, 1), Is(LeadOutCounter, 63)}),
         Hold(kNone, 38, {Is(RunEnded, 0), Is(EndLevelNow, 0)}),
         Hold(kNone, 1, {Is(RunEnded, 1), Is(EndLevelNow, 1)})),
    // Five cells walked (bases, Infotrons, space) and the exit.
    Play("a whole run", {"#########", "#M+I.+IE#", "#########"},
         Hold(kRight, 500,
              {Is(RunEnded, 1), Is(LevelSolved, 1), Is(StepCount, 6), Is(FrameCount, 5 * 8 + 40),
               Is(InfotronsNeeded, 0)})),
    // Idling counts on every fourth frame; at the end of the long idle he looks around only
    // when something is beside him.
    Play("idle", {"#####", "#.M.#", "#####"}, Hold(kNone, 9, {Is(IdleCounter, 3)}),
         Hold(kRight, 8, {Is(IdleCounter, 0)}),
         Hold(kNone, 4, {Is(IdleCounter, 1623)}, {Is(IdleCounter, 1622)}),
         Hold(kNone, 4, {Is(IdleCounter, 36)},
              {Is(IdleCounter, 1622), CellIs(2, 1, 0), CellIs(4, 1, 0)})),
};

TEST(MurphyMove, Scenarios) {
    for (const Scenario& sc : kMoves) RunScenario(sc);
}

}  // namespace
}  // namespace tsn
