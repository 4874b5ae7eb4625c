#include <gtest/gtest.h>

#include "elements/elements.h"
#include "elements/round_elements.h"
#include "recording_view.h"
#include "test_level.h"

namespace tsn {
namespace {

using test::MakeLevel;
using test::Step;
using test::Steps;

TEST(InfotronRoll, OffARamChipAndWaitsInTheSideCellBeforeFalling) {
    GameState s = MakeLevel({
        "#######",
        "##.I.##",
        "##.R.##",
        "##.#.##",
        "##+#+##",
        "#######",
        "####M##",
        "#######",
    });
    test::RecordingView view;
    s.view = &view;
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 3;
    Step(s);
    EXPECT_EQ(f[p], 0x5104);
    EXPECT_TRUE(view.saw({96 - 4, 32, 200}));
    Step(s);
    EXPECT_EQ(f[p], kLeaving);
    EXPECT_EQ(f[p - 1], 0x2204);
    EXPECT_EQ(f[p + w - 1], kFallTarget);  // a Zonk would leave kLeaving here
    view.drawn.clear();
    Step(s);
    EXPECT_TRUE(view.saw({96 - 12, 32, 202}));
    Steps(s, 5);
    EXPECT_EQ(f[p], 0);
    EXPECT_EQ(f[p - 1], 0x7004);  // stays in its cell as a landed Infotron
    EXPECT_EQ(f[p + w - 1], kFallTarget);
    Step(s);
    EXPECT_EQ(f[p - 1], kLeaving);
    EXPECT_EQ(f[p + w - 1], 0x1104);
    // Falls on through the next cell and lands on the base.
    Steps(s, 7);
    EXPECT_EQ(f[p + w - 1], 0x7004);
    Steps(s, 9);
    EXPECT_EQ(f[p + 2 * w - 1], 4);
}

TEST(InfotronRoll, RightRollNeedsAnEmptyCell) {
    GameState s = MakeLevel({
        "######",
        "###Z##",
        "#+I.##",
        "##R.##",
        "######",
        "####M#",
        "######",
    });
    const int w = s.FieldWidth;
    const int p = 2 * w + 2;
    s.PlayField16[p + 1] = kFallTarget;
    Step(s);
    EXPECT_EQ(s.PlayField16[p], 4);
    s.PlayField16[p + 1] = 0;
    Step(s);
    EXPECT_EQ(s.PlayField16[p], 0x6104);
    EXPECT_EQ(s.PlayField16[p + 1], kRollTarget);
    Step(s);
    EXPECT_EQ(s.PlayField16[p + 1], 0x3204);
    EXPECT_EQ(s.PlayField16[p + w + 1], kFallTarget);
}

TEST(InfotronVacated, SetsOnlyInfotronsRolling) {
    GameState s = MakeLevel({
        "######",
        "##I.Z#",
        "##RIR#",
        "##R.+#",
        "######",
        "####M#",
        "######",
    });
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int c = 2 * w + 3;
    // The Infotron in the middle falls away; the one above-left rolls right into the space.
    Steps(s, 7);
    EXPECT_EQ(f[c], kLeaving);
    EXPECT_EQ(f[c - w - 1], 4);
    Step(s);
    EXPECT_EQ(f[c], 0);
    EXPECT_EQ(f[c - w - 1], 0x6004);
    EXPECT_EQ(f[c - w], kRollTarget);
    EXPECT_EQ(f[c - w + 1], 1);  // the Zonk above-right is left alone

    // A Zonk above-left is not set rolling by an Infotron; an Infotron above-right is.
    f[c - w - 1] = 1;
    f[c - w] = 0;
    f[c - w + 1] = 4;
    subInfotronVacated(s, c);
    EXPECT_EQ(f[c - w - 1], 1);
    EXPECT_EQ(f[c - w + 1], 0x5004);
    EXPECT_EQ(f[c - w], kRollTarget);

    // The cell above may be marked for a Zonk falling into it, not for an Infotron.
    for (uint16_t above : {uint16_t{1}, uint16_t{4}}) {
        f[c - w + 1] = 4;
        f[c - w] = kFallTarget;
        f[c - 2 * w] = above;
        subInfotronVacated(s, c);
        EXPECT_EQ(f[c - w + 1], above == 1 ? 0x5004 : 4);
    }
}

}  // namespace
}  // namespace tsn

namespace tsn {
namespace {

TEST(InfotronAndMurphy, AnInfotronFallingOnMurphyKillsHimAndLeavesTheWallsStanding) {
    GameState s = test::MakeLevel({
        "#####",
        "##I##",
        "##.##",
        "##M##",
        "#####",
    });
    const int w = s.FieldWidth;
    const int murphy = 3 * w + 2;
    test::Steps(s, 9);
    EXPECT_EQ(s.PlayField16[murphy], 3);
    test::Step(s);
    EXPECT_EQ(s.PlayField16[murphy], 0x001F);
    EXPECT_EQ(s.PlayField16[murphy - 1], 6);
    EXPECT_EQ(s.PlayField16[murphy + 1], 6);
}

}  // namespace
}  // namespace tsn
