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

// Murphy sits in a hardware pocket at the bottom so that nothing he does reaches the elements.
const std::vector<std::string> kColumn = {
    "######", "##Z###", "##.###", "##.###", "##+###", "######", "####M#", "######",
};

// Infotrons fall as Zonks do, and ignore frozen Zonks.
TEST(ZonkFall, CellsAndFramesOfATwoCellFallOfZonksAndInfotrons) {
    for (const uint16_t code : {uint16_t{1}, uint16_t{4}}) {
        SCOPED_TRACE(code);
        auto rows = kColumn;
        rows[1][2] = test::CharOf(code);
        test::LevelOptions o;
        o.frozenZonks = code == 4 ? 2 : 0;
        GameState s = MakeLevel(rows, o);
        test::RecordingView view;
        test::RecordingSound sound;
        s.view = &view;
        s.sound = &sound;
        auto& f = s.PlayField16;
        const int w = s.FieldWidth;
        const int p = w + 2;

        Step(s);
        EXPECT_EQ(f[p], 0x4100 | code);  // about to fall, in the frame it finds the hole
        EXPECT_TRUE(view.drawn.empty());
        Step(s);
        EXPECT_EQ(f[p], kLeaving);  // moved into the lower cell without drawing
        EXPECT_EQ(f[p + w], 0x1000 | code);
        EXPECT_TRUE(view.drawn.empty());

        for (int k = 0; k < 8; ++k) {
            view.drawn.clear();
            Step(s);
            // Sprite 0 over the upper cell and the element 4 pixels further down each frame.
            EXPECT_TRUE(view.saw({64, 32, 0})) << k;
            EXPECT_TRUE(view.saw({64, 32 + 4 + 4 * k, code})) << k;
            // The upper cell is freed in the sixth falling frame.
            EXPECT_EQ(f[p], k < 5 ? kLeaving : 0) << k;
            EXPECT_EQ(f[p + w], k < 7 ? 0x1100 + 0x100 * k + code : 0x7000 | code) << k;
        }
        // Arrived on empty space: keeps falling and reserves the cell below.
        EXPECT_EQ(f[p + 2 * w], kFallTarget);
        EXPECT_EQ(sound.count(Sample::Zonk), 0);

        // The continued fall costs no extra frame: the first falling frame is drawn at once.
        view.drawn.clear();
        Step(s);
        EXPECT_EQ(f[p + w], kLeaving);
        EXPECT_EQ(f[p + 2 * w], 0x1100 | code);
        EXPECT_TRUE(view.saw({64, 68, code}));

        Steps(s, 6);
        EXPECT_EQ(f[p + w], 0);
        EXPECT_EQ(f[p + 2 * w], 0x1700 | code);
        Step(s);
        EXPECT_EQ(f[p + 2 * w], code);  // landed on the base
        EXPECT_EQ(sound.count(Sample::Zonk), 1);
        EXPECT_EQ(sound.count(Sample::Infotron), 0);
        Steps(s, 5);
        EXPECT_EQ(f[p + 2 * w], code);
    }
}

TEST(ZonkFall, MovingToALaterCellDoesNotRunItAgainInTheSameFrame) {
    GameState s = MakeLevel(kColumn);
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 2;
    Steps(s, 2);
    EXPECT_EQ(f[p + w], 0x1001);  // would be 0x1101 had the new cell been run as well
    Steps(s, 9);
    EXPECT_EQ(f[p + 2 * w], 0x1101);  // one falling frame, from the continued fall only

    GameState r = MakeLevel({
        "######",
        "#+Z..#",
        "#+R..#",
        "######",
        "###M##",
        "######",
    });
    const int q = r.FieldWidth + 2;
    Step(r);
    EXPECT_EQ(r.PlayField16[q], 0x6101);
    Step(r);
    EXPECT_EQ(r.PlayField16[q], kLeaving);
    EXPECT_EQ(r.PlayField16[q + 1], 0x3201);
    EXPECT_EQ(r.PlayField16[q + r.FieldWidth + 1], kLeaving);
}

// A Zonk on the centre of a 3 x 2 neighbourhood, one frame.
struct RollCase {
    const char* top;
    const char* bottom;
    uint16_t zonk;
    uint16_t left;
    uint16_t right;
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
    for (const auto& c : cases) {
        GameState s = MakeLevel({
            "#####",
            std::string("#") + c.top + "#",
            std::string("#") + c.bottom + "#",
            "#####",
            "###M#",
            "#####",
        });
        const int p = s.FieldWidth + 2;
        Step(s);
        EXPECT_EQ(s.PlayField16[p], c.zonk) << c.top << "/" << c.bottom;
        EXPECT_EQ(s.PlayField16[p - 1], c.left) << c.top << "/" << c.bottom;
        EXPECT_EQ(s.PlayField16[p + 1], c.right) << c.top << "/" << c.bottom;
    }
}

TEST(ZonkRoll, CellsAndFramesOfARollLeft) {
    GameState s = MakeLevel({
        "#######",
        "##.Z.##",
        "##.R.##",
        "##+#+##",
        "#######",
        "####M##",
        "#######",
    });
    test::RecordingView view;
    test::RecordingSound sound;
    s.view = &view;
    s.sound = &sound;
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 3;
    const int x = 96;
    const int y = 32;

    Step(s);
    EXPECT_EQ(f[p], 0x5101);
    EXPECT_EQ(f[p - 1], kRollTarget);
    EXPECT_TRUE(view.saw({x, y, 0}));
    EXPECT_TRUE(view.saw({x - 4, y, 192}));
    view.drawn.clear();
    Step(s);
    EXPECT_TRUE(view.saw({x - 8, y, 193}));
    EXPECT_EQ(f[p], kLeaving);
    EXPECT_EQ(f[p - 1], 0x2201);
    EXPECT_EQ(f[p + w - 1], kLeaving);  // reserved for the fall that ends the roll

    const uint16_t leaving[] = {kLeaving, kRollLeaving, kRollLeaving, 0, 0, 0};
    const int sprites[] = {194, 195, 196, 197, 198, 1};
    for (int k = 0; k < 6; ++k) {
        view.drawn.clear();
        Step(s);
        EXPECT_TRUE(view.saw({x, y, 0})) << k;
        EXPECT_TRUE(view.saw({x - 12 - 4 * k, y, sprites[k]})) << k;
        EXPECT_EQ(f[p], leaving[k]) << k;
        EXPECT_EQ(f[p - 1], k < 5 ? 0x2301 + 0x100 * k : kLeaving) << k;
    }
    // The roll ends by moving into the reserved cell below.
    EXPECT_EQ(f[p - 1], kLeaving);
    EXPECT_EQ(f[p + w - 1], 0x1001);
    Steps(s, 5);
    EXPECT_EQ(f[p - 1], kLeaving);
    Step(s);
    EXPECT_EQ(f[p - 1], 0);
    Steps(s, 2);
    EXPECT_EQ(f[p + w - 1], 1);
    EXPECT_EQ(sound.count(Sample::Zonk), 1);
}

TEST(ZonkRoll, FirstHalfWaitsUntilTheWayIsClear) {
    GameState s = MakeLevel({
        "#####",
        "#.Z.#",
        "#.R+#",
        "#####",
        "###M#",
        "#####",
    });
    test::RecordingView view;
    s.view = &view;
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 2;
    f[p + w - 1] = kRollLeaving;  // free for starting a roll, but not for moving on
    Step(s);
    EXPECT_EQ(f[p], 0x5101);
    for (int k = 0; k < 3; ++k) {
        view.drawn.clear();
        Step(s);
        EXPECT_EQ(f[p], 0x5101);
        EXPECT_TRUE(view.saw({64 - 8, 32, 193}));  // the second frame again
    }
    f[p + w - 1] = 0;
    Step(s);
    EXPECT_EQ(f[p - 1], 0x2201);
    EXPECT_EQ(f[p], kLeaving);
}

TEST(ZonkRoll, RightRollMayTakeACellMarkedForAZonkFallingIntoIt) {
    const std::vector<std::string> map = {
        "######", "###Z##", "#+X.##", "##R.##", "######", "####M#", "######",
    };
    for (char kind : {'Z', 'I'}) {
        for (bool zonkAbove : {true, false}) {
            auto m = map;
            m[2][2] = kind;
            if (!zonkAbove) m[1][3] = '#';
            GameState s = MakeLevel(m);
            const int w = s.FieldWidth;
            const int p = 2 * w + 2;
            s.PlayField16[p + 1] = kFallTarget;
            Step(s);
            const bool rolls = kind == 'Z' && zonkAbove;  // Infotrons need an empty cell
            const uint16_t code = kind == 'Z' ? 1 : 4;
            EXPECT_EQ(s.PlayField16[p], rolls ? 0x6100 + code : code) << kind << zonkAbove;
            EXPECT_EQ(s.PlayField16[p + 1], rolls ? kRollTarget : kFallTarget) << kind << zonkAbove;
        }
    }
}

TEST(ZonkLanding, AnOrangeDiskExplodesThroughItsTimer) {
    // A few frames after the Zonk lands on it.
    GameState s = MakeLevel({
        "#####",
        "##Z##",
        "##.##",
        "##O##",
        "##+##",
        "#####",
        "###M#",
        "#####",
    });
    const int w = s.FieldWidth;
    const int disk = 3 * w + 2;
    Steps(s, 9);
    EXPECT_EQ(s.PlayField16[disk - w], 0x1701);
    Step(s);
    EXPECT_EQ(s.PlayField16[disk - w], 1);
    EXPECT_EQ(s.PlayField16[disk], 8);
    EXPECT_EQ(s.LevelBytes[static_cast<size_t>(disk)], 5);  // counted once in the same frame
    Steps(s, 4);
    EXPECT_EQ(s.PlayField16[disk], 8);
    Step(s);
    EXPECT_EQ(s.PlayField16[disk], 0x001F);
    EXPECT_EQ(s.PlayField16[disk - w], 0x001F);
}

TEST(ZonkVacated, AZonkLeavingLetsTheZonkAboveBesideRollIn) {
    GameState s = MakeLevel({
        "######",
        "##Z.##",
        "##ZZ##",
        "##+.##",
        "######",
        "####M#",
        "######",
    });
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int top = w + 2;
    const int c = 2 * w + 3;
    Steps(s, 7);
    EXPECT_EQ(f[top], 1);
    EXPECT_EQ(f[c], kLeaving);
    Step(s);  // sixth falling frame: the cell is freed and the Zonk above-left is set rolling
    EXPECT_EQ(f[c], 0);
    EXPECT_EQ(f[top], 0x6001);
    EXPECT_EQ(f[top + 1], kRollTarget);
    Step(s);
    EXPECT_EQ(f[top], 0x6101);
    Step(s);
    EXPECT_EQ(f[top], kLeaving);
    EXPECT_EQ(f[top + 1], 0x3201);
    EXPECT_EQ(f[c], kLeaving);  // reserved for its fall
}

TEST(ZonkVacated, OnlyZonksAndOnlyIntoFreeSpace) {
    GameState s = MakeLevel({
        "######",
        "#ZI.I#",
        "#RZ.R#",
        "#.RZ+#",
        "######",
        "####M#",
        "######",
    });
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int c = 2 * w + 3;
    f[c] = 0x0001;  // stand-in for the Zonk that has just left
    subZonkVacated(s, c);
    EXPECT_EQ(f[c], 0);
    EXPECT_EQ(f[c - w], 0);  // the Infotron above-left is not set rolling, nor the one right
    EXPECT_EQ(f[c - w - 1], 4);
    EXPECT_EQ(f[c - w + 1], 4);

    f[c] = 0x051F;
    subZonkVacated(s, c);
    EXPECT_EQ(f[c], 0x051F);  // an explosion is never cleared

    // Above-left first, then above-right; the cell above must be free.
    f[c - w - 1] = 1;
    f[c - w + 1] = 1;
    f[c - w] = 2;
    subZonkVacated(s, c);
    EXPECT_EQ(f[c - w - 1], 1);
    f[c - w] = 0;
    subZonkVacated(s, c);
    EXPECT_EQ(f[c - w - 1], 0x6001);
    EXPECT_EQ(f[c - w + 1], 1);
    EXPECT_EQ(f[c - w], kRollTarget);
    f[c - w - 1] = 1;
    f[c - w] = 0;
    f[c - 1] = 2;  // nothing round to roll off on the left
    subZonkVacated(s, c);
    EXPECT_EQ(f[c - w + 1], 0x5001);
    EXPECT_EQ(f[c - w], kRollTarget);

    // A cell marked for an Infotron falling into it counts as free, not one for a Zonk.
    for (uint16_t above : {uint16_t{4}, uint16_t{1}}) {
        f[c - w - 1] = 1;
        f[c - w + 1] = 2;
        f[c - 1] = 1;
        f[c - w] = kFallTarget;
        f[c - 2 * w] = above;
        subZonkVacated(s, c);
        EXPECT_EQ(f[c - w - 1], above == 4 ? 0x6001 : 1);
        EXPECT_EQ(f[c - w], above == 4 ? kRollTarget : kFallTarget);
    }
}

TEST(FrozenZonks, StayAtRestButFinishAMoveUnderWay) {
    test::LevelOptions frozen;
    frozen.frozenZonks = 2;
    GameState s = MakeLevel(kColumn, frozen);
    const int w = s.FieldWidth;
    const int p = w + 2;
    Steps(s, 10);
    EXPECT_EQ(s.PlayField16[p], 1);

    // Falling: completes its cell and stays, although there is room below.
    s.PlayField16[p] = kLeaving;
    s.PlayField16[p + w] = 0x1301;
    Steps(s, 4);
    EXPECT_EQ(s.PlayField16[p + w], 0x1701);
    Step(s);
    EXPECT_EQ(s.PlayField16[p + w], 1);
    EXPECT_EQ(s.PlayField16[p], 0);
    EXPECT_EQ(s.PlayField16[p + 2 * w], 0);
    Steps(s, 10);
    EXPECT_EQ(s.PlayField16[p + w], 1);

    // The waiting states stay as they are.
    for (uint16_t v : {uint16_t{0x4101}, uint16_t{0x5101}, uint16_t{0x6101}, uint16_t{0x7001}}) {
        s.PlayField16[p + w] = v;
        Steps(s, 3);
        EXPECT_EQ(s.PlayField16[p + w], v);
    }
}

TEST(FrozenZonks, ARollUnderWayEndsWithTheFallIntoTheCellBelow) {
    test::LevelOptions frozen;
    frozen.frozenZonks = 2;
    GameState s = MakeLevel(
        {
            "#######",
            "##...##",
            "##.R.##",
            "##...##",
            "#######",
            "####M##",
            "#######",
        },
        frozen);
    auto& f = s.PlayField16;
    const int w = s.FieldWidth;
    const int p = w + 2;  // rolled left off the RAM chip, came from p + 1
    f[p] = 0x2301;
    f[p + 1] = kLeaving;
    f[p + w] = kLeaving;
    Steps(s, 5);
    EXPECT_EQ(f[p], kLeaving);
    EXPECT_EQ(f[p + 1], 0);
    EXPECT_EQ(f[p + w], 0x1001);
    Steps(s, 8);
    EXPECT_EQ(f[p + w], 1);  // arrived; stays although the cell below is empty
    EXPECT_EQ(f[p + 2 * w], 0);
    Steps(s, 8);
    EXPECT_EQ(f[p + w], 1);
}

}  // namespace
}  // namespace tsn

namespace tsn {
namespace {

using test::MakeLevel;
using test::Step;
using test::Steps;

TEST(ZonkAndMurphy, AZonkFallingOnMurphyKillsHimAndEmptiesTheCellBelowLeft) {
    GameState s = MakeLevel({
        "#####",
        "##Z##",
        "##.##",
        "##M##",
        "#####",
    });
    const int w = s.FieldWidth;
    const int murphy = 3 * w + 2;
    Steps(s, 9);
    EXPECT_EQ(s.PlayField16[murphy], 3);
    EXPECT_EQ(s.PlayField16[murphy - w], 0x1701);
    Step(s);
    EXPECT_EQ(s.PlayField16[murphy], 0x001F);
    // Even hardware below-left is emptied before the blast, and so is caught by it.
    EXPECT_EQ(s.PlayField16[murphy - 1], 0x001F);
    EXPECT_EQ(s.PlayField16[murphy + 1], 6);
    EXPECT_EQ(s.LeadOutCounter, 63);  // the level is lost from this frame on
}

TEST(ZonkAndMurphy, AZonkMurphyWalksAwayFromTakesItsFirstStepInTheSameFrame) {
    GameState s = MakeLevel({
        "#####",
        "#Z###",
        "#M..#",
        "#.###",
        "#####",
    });
    const int w = s.FieldWidth;
    const int zonk = w + 1;
    for (int k = 0; k < 7; ++k) {
        Step(s, 4);
        EXPECT_EQ(s.PlayField16[zonk], 1) << k;  // the cell Murphy is leaving is not free yet
    }
    Step(s, 4);
    EXPECT_EQ(s.MurphyPos, 2 * w + 2);
    EXPECT_EQ(s.PlayField16[zonk], 0x4101);
    Step(s);
    EXPECT_EQ(s.PlayField16[zonk + w], 0x1001);
}

}  // namespace
}  // namespace tsn
