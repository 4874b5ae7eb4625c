#include <gtest/gtest.h>

#include "elements/elements.h"
#include "engine/cell.h"
#include "recording_view.h"
#include "test_level.h"

namespace tsn {
namespace {

using test::MakeLevel;
using test::Step;
using test::Steps;

const std::vector<std::string> kShaft = {
    "#####", "##O##", "##.##", "##.##", "##+##", "#####", "###M#", "#####",
};

TEST(OrangeDiskFall, WaitsTwoFramesThenFallsCellByCellAndExplodesOnLanding) {
    GameState s = MakeLevel(kShaft);
    test::RecordingView view;
    s.view = &view;
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 2;
    Step(s);
    EXPECT_EQ(f[p], 0x2008);
    EXPECT_EQ(f[p + w], kPushTargetOrange);
    Step(s);
    EXPECT_EQ(f[p], 0x2108);
    Step(s);
    EXPECT_EQ(f[p], 0x3008);
    EXPECT_TRUE(view.drawn.empty());
    for (int k = 0; k < 7; ++k) {
        view.drawn.clear();
        Step(s);
        EXPECT_TRUE(view.saw({64, 32, 0})) << k;
        EXPECT_TRUE(view.saw({64, 32 + 4 + 4 * k, 8})) << k;
        EXPECT_EQ(f[p], 0x3108 + 0x100 * k) << k;  // still in its upper cell
        EXPECT_EQ(f[p + w], kPushTargetOrange) << k;
    }
    Step(s);
    // Nothing below the new cell: falls on without a pause.
    EXPECT_EQ(f[p], 0);
    EXPECT_EQ(f[p + w], 0x3008);
    EXPECT_EQ(f[p + 2 * w], kPushTargetOrange);
    Steps(s, 7);
    EXPECT_EQ(f[p + w], 0x3708);
    Step(s);
    // Landed above the base: explodes in the cell it has just reached.
    EXPECT_EQ(f[p + 2 * w], 0x001F);
    EXPECT_EQ(f[p + 3 * w], 0x001F);
    EXPECT_EQ(f[p + w], 0x001F);
    EXPECT_EQ(s.LevelBytes[static_cast<size_t>(p + 2 * w)], 0);  // the centre has no timer
}

TEST(OrangeDiskFall, GoesBackToRestWhenItsReservationIsTaken) {
    GameState s = MakeLevel(kShaft);
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 2;
    Step(s);
    f[p + w] = 0;
    Step(s);
    EXPECT_EQ(f[p], 8);
    Step(s);
    EXPECT_EQ(f[p], 0x2008);
    Step(s);
    f[p + w] = 0;
    Step(s);
    EXPECT_EQ(f[p], 8);

    // Anything else in the cell below keeps the countdown going.
    Step(s);
    f[p + w] = 2;
    Step(s);
    EXPECT_EQ(f[p], 0x2108);
    Step(s);
    EXPECT_EQ(f[p], 0x3008);
}

TEST(OrangeDiskFall, ExplodesOnAnythingButAnExplosion) {
    for (uint16_t under : {uint16_t{2}, uint16_t{6}, uint16_t{1}, uint16_t{kFallTarget},
                           uint16_t{kPushTargetOrange}, uint16_t{0x031F}, uint16_t{0x821F}}) {
        GameState s = MakeLevel({
            "#####",
            "#...#",
            "#...#",
            "#...#",
            "#####",
            "###M#",
            "#####",
        });
        auto& f = s.PlayField16;
        const int w = s.FieldWidth;
        const int p = w + 2;
        f[p] = 0x3708;
        f[p + w] = kPushTargetOrange;
        f[p + 2 * w] = under;
        subOrangeDiskFrame(s, p);
        EXPECT_EQ(f[p], LowByte(under) == 31 ? 0 : 0x001F) << under;
        if (LowByte(under) == 31) {
            EXPECT_EQ(f[p + w], 8) << under;  // rests on the explosion
            EXPECT_EQ(f[p + 2 * w], under) << under;
            EXPECT_EQ(s.ExplosionInProgress, 0) << under;
        } else {
            EXPECT_EQ(f[p + w], 0x001F) << under;
            EXPECT_EQ(s.ExplosionInProgress, 1) << under;
        }
    }
}

TEST(OrangeDiskFall, IgnoresBothFreezeFlags) {
    test::LevelOptions frozen;
    frozen.frozenZonks = 2;
    GameState s = MakeLevel(kShaft, frozen);
    s.EnemiesFrozen = 1;
    const int p = s.FieldWidth + 2;
    Steps(s, 3);
    EXPECT_EQ(s.PlayField16[p], 0x3008);
}

TEST(OrangeDiskFall, PushedRightOntoAHoleFallsAtOnce) {
    // Murphy's push leaves the disk with state 0x20 and its reservation below.
    GameState s = MakeLevel(kShaft);
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 2;
    f[p] = 0x2008;
    f[p + w] = kPushTargetOrange;
    Step(s);
    EXPECT_EQ(f[p], 0x2108);
    Step(s);
    EXPECT_EQ(f[p], 0x3008);
}

}  // namespace
}  // namespace tsn
