// Zonks (and Infotrons, which fall the same way): falling, rolling, landing, the cell a Zonk
// leaves, freezing, and meeting Murphy.
#include <gtest/gtest.h>

#include "elements/round_elements.h"
#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

// Murphy sits in a hardware pocket at the bottom so that nothing he does reaches the elements.
const std::vector<std::string> kColumn = {
    "######", "##Z###", "##.###", "##.###", "##+###", "######", "####M#", "######",
};
const LevelOptions kFrozen{.frozenZonks = 2};

// A two-cell fall from (2,1): found the hole, moved down without drawing, eight drawn frames
// (the upper cell freed in the sixth), on without an extra frame, landed on the base.
Scenario TwoCellFall(int code) {
    auto rows = kColumn;
    rows[1][2] = CharOf(static_cast<uint16_t>(code));
    Scenario sc =
        Play(code == 1 ? "Zonk fall" : "Infotron fall, frozen Zonks ignored", rows,
             code == 4 ? kFrozen : LevelOptions{},
             Hold(kNone, 1, {CellIs(2, 1, 0x4100 | code), DrewNothing()}),
             Hold(kNone, 1, {CellIs(2, 1, kLeaving), CellIs(2, 2, 0x1000 | code), DrewNothing()}));
    for (int k = 0; k < 8; ++k)
        sc.add(
            Hold(kNone, 1,
                 {Drew(64, 32, 0), Drew(64, 36 + 4 * k, code), CellIs(2, 1, k < 5 ? kLeaving : 0),
                  CellIs(2, 2, k < 7 ? 0x1100 + 0x100 * k + code : 0x7000 | code)}));
    sc.stretches.back().then.push_back(CellIs(2, 3, kFallTarget));
    sc.stretches.back().then.push_back(Heard(Sample::Zonk, 0));
    sc.add(
        Hold(kNone, 1, {CellIs(2, 2, kLeaving), CellIs(2, 3, 0x1100 | code), Drew(64, 68, code)}));
    sc.add(Hold(kNone, 6, {CellIs(2, 2, 0), CellIs(2, 3, 0x1700 | code)}));
    sc.add(
        Hold(kNone, 1, {CellIs(2, 3, code), Heard(Sample::Zonk, 1), Heard(Sample::Infotron, 0)}));
    sc.add(Hold(kNone, 5, {CellIs(2, 3, code)}));
    return sc;
}

// A roll left off a RAM chip from (3,1): two frames in its own cell, six in the next, then the
// fall into the cell below that the roll reserved.
Scenario RollLeft() {
    Scenario sc = Play(
        "roll left", {"#######", "##.Z.##", "##.R.##", "##+#+##", "#######", "####M##", "#######"},
        Hold(kNone, 1,
             {CellIs(3, 1, 0x5101), CellIs(2, 1, kRollTarget), Drew(96, 32, 0), Drew(92, 32, 192)}),
        Hold(kNone, 1,
             {Drew(88, 32, 193), CellIs(3, 1, kLeaving), CellIs(2, 1, 0x2201),
              CellIs(2, 2, kLeaving)}));
    const uint16_t leaving[] = {kLeaving, kRollLeaving, kRollLeaving, 0, 0, 0};
    const int sprites[] = {194, 195, 196, 197, 198, 1};
    for (int k = 0; k < 6; ++k)
        sc.add(
            Hold(kNone, 1,
                 {Drew(96, 32, 0), Drew(96 - 12 - 4 * k, 32, sprites[k]), CellIs(3, 1, leaving[k]),
                  CellIs(2, 1, k < 5 ? 0x2301 + 0x100 * k : kLeaving)}));
    sc.stretches.back().then.push_back(CellIs(2, 2, 0x1001));
    sc.add(Hold(kNone, 5, {CellIs(2, 1, kLeaving)}));
    sc.add(Hold(kNone, 1, {CellIs(2, 1, 0)}));
    sc.add(Hold(kNone, 2, {CellIs(2, 2, 1), Heard(Sample::Zonk, 1)}));
    return sc;
}

const Scenario kZonks[] = {
    TwoCellFall(1),
    TwoCellFall(4),
    RollLeft(),
    // Moving to a later cell does not run it again in the same frame.
    Play("fall into a later cell", kColumn, Hold(kNone, 2, {CellIs(2, 2, 0x1001)}),
         Hold(kNone, 9, {CellIs(2, 3, 0x1101)})),
    Play("roll into a later cell", {"######", "#+Z..#", "#+R..#", "######", "###M##", "######"},
         Hold(kNone, 1, {CellIs(2, 1, 0x6101)}),
         Hold(kNone, 1, {CellIs(2, 1, kLeaving), CellIs(3, 1, 0x3201), CellIs(3, 2, kLeaving)})),
    // The first half of a roll waits (drawing its second frame again) until the cell below the
    // side cell is free to move on into.
    Play("roll waits for the way", {"#####", "#.Z.#", "#.R+#", "#####", "###M#", "#####"},
         Given({CellIs(1, 2, kRollLeaving)}), Hold(kNone, 1, {CellIs(2, 1, 0x5101)}),
         Hold(kNone, 1, {CellIs(2, 1, 0x5101), Drew(56, 32, 193)}),
         Hold(kNone, 1, {CellIs(2, 1, 0x5101), Drew(56, 32, 193)}),
         Hold(kNone, 1, {CellIs(2, 1, 0x5101), Drew(56, 32, 193)}),
         Hold(kNone, 1, {CellIs(1, 1, 0x2201), CellIs(2, 1, kLeaving)}, {CellIs(1, 2, 0)})),
    // A Zonk landing on an orange disk sets its timer (counted once in the same frame).
    Play("landing on an orange disk",
         {"#####", "##Z##", "##.##", "##O##", "##+##", "#####", "###M#", "#####"},
         Hold(kNone, 9, {CellIs(2, 2, 0x1701)}),
         Hold(kNone, 1, {CellIs(2, 2, 1), CellIs(2, 3, 8), TimerIs(2, 3, 5)}),
         Hold(kNone, 4, {CellIs(2, 3, 8)}),
         Hold(kNone, 1, {CellIs(2, 3, 0x001F), CellIs(2, 2, 0x001F)})),
    // In the sixth falling frame the cell is freed and the Zonk above-left is set rolling in.
    Play("a Zonk leaving lets the one above beside roll in",
         {"######", "##Z.##", "##ZZ##", "##+.##", "######", "####M#", "######"},
         Hold(kNone, 7, {CellIs(2, 1, 1), CellIs(3, 2, kLeaving)}),
         Hold(kNone, 1, {CellIs(3, 2, 0), CellIs(2, 1, 0x6001), CellIs(3, 1, kRollTarget)}),
         Hold(kNone, 1, {CellIs(2, 1, 0x6101)}),
         Hold(kNone, 1, {CellIs(2, 1, kLeaving), CellIs(3, 1, 0x3201), CellIs(3, 2, kLeaving)})),
    // Frozen Zonks stay at rest but finish a move under way: a fall completes its cell and stays
    // although there is room below; waiting states stay as they are.
    Play("frozen Zonks", kColumn, kFrozen, Hold(kNone, 10, {CellIs(2, 1, 1)}),
         Hold(kNone, 4, {CellIs(2, 2, 0x1701)}, {CellIs(2, 1, kLeaving), CellIs(2, 2, 0x1301)}),
         Hold(kNone, 1, {CellIs(2, 2, 1), CellIs(2, 1, 0), CellIs(2, 3, 0)}),
         Hold(kNone, 10, {CellIs(2, 2, 1)}),
         Hold(kNone, 3, {CellIs(2, 2, 0x4101)}, {CellIs(2, 2, 0x4101)}),
         Hold(kNone, 3, {CellIs(2, 2, 0x5101)}, {CellIs(2, 2, 0x5101)}),
         Hold(kNone, 3, {CellIs(2, 2, 0x6101)}, {CellIs(2, 2, 0x6101)}),
         Hold(kNone, 3, {CellIs(2, 2, 0x7001)}, {CellIs(2, 2, 0x7001)})),
    // A frozen roll under way (left off the RAM chip from (3,1)) ends with the fall into the cell
    // below, and stays there.
    Play("frozen roll",
         {"#######", "##...##", "##.R.##", "##...##", "#######", "####M##", "#######"}, kFrozen,
         Given({CellIs(2, 1, 0x2301), CellIs(3, 1, kLeaving), CellIs(2, 2, kLeaving)}),
         Hold(kNone, 5, {CellIs(2, 1, kLeaving), CellIs(3, 1, 0), CellIs(2, 2, 0x1001)}),
         Hold(kNone, 8, {CellIs(2, 2, 1), CellIs(2, 3, 0)}), Hold(kNone, 8, {CellIs(2, 2, 1)})),
    // Falling on Murphy kills him; even hardware below-left is emptied before the blast, and so
    // is caught by it. The level is lost from this frame on.
    Play("falling on Murphy", {"#####", "##Z##", "##.##", "##M##", "#####"},
         Hold(kNone, 9, {CellIs(2, 3, 3), CellIs(2, 2, 0x1701)}),
         Hold(kNone, 1,
              {CellIs(2, 3, 0x001F), CellIs(1, 3, 0x001F), CellIs(3, 3, 6),
               Is(LeadOutCounter, 63)})),
    // The cell Murphy is leaving is not free until he has left; then the Zonk above takes its
    // first step in the same frame.
    Play("Murphy walks away from under it", {"#####", "#Z###", "#M..#", "#.###", "#####"},
         Hold(kRight, 7, {CellIs(1, 1, 1)}),
         Hold(kRight, 1, {MurphyAt(2, 2), CellIs(1, 1, 0x4101)}),
         Hold(kNone, 1, {CellIs(1, 2, 0x1001)})),
};

TEST(Zonks, Scenarios) {
    for (const Scenario& sc : kZonks) RunScenario(sc);
}

// A Zonk on the centre of a 3 x 2 neighbourhood, one frame.
struct RollCase {
    const char* top;
    const char* bottom;
    uint16_t zonk, left, right;
};

TEST(ZonkRoll, WhereAZonkAtRestGoes) {
    const RollCase cases[] = {
        {".Z.", ".Z.", 0x5101, kRollTarget, 0},  // both sides open: left
        {"+Z.", ".Z.", 0x6101, 2, kRollTarget},  // left side taken
        {".Z.", "+Z.", 0x6101, 0, kRollTarget},  // below-left taken
        {".Z.", "+Z+", 1, 0, 0},
        {".Z.", ".R.", 0x5101, kRollTarget, 0},  // RAM is round
        {".Z.", ".I.", 0x5101, kRollTarget, 0},
        {".Z.", ".+.", 1, 0, 0},  // bases, walls and the exit are not
        {".Z.", ".#.", 1, 0, 0},
        {".Z.", ".E.", 1, 0, 0},
        {".Z.", ".O.", 1, 0, 0},
    };
    for (const auto& c : cases)
        RunScenario(Play(
            std::string(c.top) + "/" + c.bottom,
            {"#####", std::string("#") + c.top + "#", std::string("#") + c.bottom + "#", "#####",
             "###M#", "#####"},
            Hold(kNone, 1, {CellIs(2, 1, c.zonk), CellIs(1, 1, c.left), CellIs(3, 1, c.right)})));
    // A right roll may take a cell marked for a fall only when a Zonk falls into it, and only a
    // Zonk may (an Infotron needs an empty cell).
    for (char kind : {'Z', 'I'}) {
        for (bool zonkAbove : {true, false}) {
            const bool rolls = kind == 'Z' && zonkAbove;
            const int code = kind == 'Z' ? 1 : 4;
            RunScenario(
                {std::string(1, kind) + (zonkAbove ? " beside a Zonk falling" : " beside a fall"),
                 {"######", zonkAbove ? "###Z##" : "######", std::string("#+") + kind + ".##",
                  "##R.##", "######", "####M#", "######"},
                 {Hold(kNone, 1,
                       {CellIs(2, 2, rolls ? 0x6100 + code : code),
                        CellIs(3, 2, rolls ? kRollTarget : kFallTarget)})},
                 {},
                 {CellIs(3, 2, kFallTarget)}});
        }
    }
}

// The cell a Zonk has left: the Zonk above-left, else above-right, rolls into the space above
// when it has something round beside the vacated cell to roll off. Each call runs on the field
// the previous one left.
TEST(ZonkVacated, OnlyZonksAndOnlyIntoFreeSpace) {
    const ElementProc left = subZonkVacated;
    RunScenario(Play(
        "vacated", {"######", "#ZI.I#", "#RZ.R#", "#.RZ+#", "######", "####M#", "######"},
        // Infotrons above beside are not set rolling; an explosion is never cleared.
        Call(left, 3, 2, 0, {CellIs(3, 2, 0), CellIs(3, 1, 0), CellIs(2, 1, 4), CellIs(4, 1, 4)},
             {CellIs(3, 2, 1)}),
        Call(left, 3, 2, 0, {CellIs(3, 2, 0x051F)}, {CellIs(3, 2, 0x051F)}),
        // The cell above must be free; above-left goes first, then above-right.
        Call(left, 3, 2, 0, {CellIs(2, 1, 1)}, {CellIs(2, 1, 1), CellIs(4, 1, 1), CellIs(3, 1, 2)}),
        Call(left, 3, 2, 0, {CellIs(2, 1, 0x6001), CellIs(4, 1, 1), CellIs(3, 1, kRollTarget)},
             {CellIs(3, 1, 0)}),
        Call(left, 3, 2, 0, {CellIs(4, 1, 0x5001), CellIs(3, 1, kRollTarget)},
             {CellIs(2, 1, 1), CellIs(3, 1, 0), CellIs(2, 2, 2)}),
        // A cell marked for an Infotron falling into it counts as free, not one for a Zonk.
        Call(left, 3, 2, 0, {CellIs(2, 1, 0x6001), CellIs(3, 1, kRollTarget)},
             {CellIs(2, 1, 1), CellIs(4, 1, 2), CellIs(2, 2, 1), CellIs(3, 1, kFallTarget),
              CellIs(3, 0, 4)}),
        Call(left, 3, 2, 0, {CellIs(2, 1, 1), CellIs(3, 1, kFallTarget)},
             {CellIs(2, 1, 1), CellIs(4, 1, 2), CellIs(2, 2, 1), CellIs(3, 1, kFallTarget),
              CellIs(3, 0, 1)})));
}

}  // namespace
}  // namespace tsn
