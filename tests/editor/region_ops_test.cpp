#include "editor/region_ops.h"

#include <gtest/gtest.h>

#include "editor_level.h"
#include "engine/element_codes.h"

namespace tsn {
namespace {

using test::CellAt;
using test::EditedLevel;
using test::FieldMap;

TEST(Fill, TheOutlineOfTheWholeLevelWritesOnlyTheRing) {
    GameState s = EditedLevel({".......", ".IIIII.", ".I+b+I.", ".IIIII.", "......."});
    ASSERT_TRUE(FillRegion(s, Region{0, 0, 6, 4}, kHardware, true));
    EXPECT_EQ(FieldMap(s), (std::vector<std::string>{"#######", "#IIIII#", "#I+b+I#", "#IIIII#", "#######"}));
}

TEST(Fill, WritesTheEditorCodingAndRefusesWhatDoesNotFit) {
    GameState s = EditedLevel({"...", "..."});
    ASSERT_TRUE(FillRegion(s, Region{1, 0, 1, 1}, kBug, false));
    ASSERT_TRUE(FillRegion(s, Region{2, 0, 2, 1}, kWallSpace, false));
    EXPECT_EQ(s.FieldBytes, (std::vector<uint8_t>{0, kEditorBug, kHardwareTrash1, 0, kEditorBug, kHardwareTrash1}));
    EXPECT_FALSE(FillRegion(s, Region{0, 0, 3, 1}, kZonk, false));
    EXPECT_FALSE(FillRegion(s, Region{2, 0, 1, 1}, kZonk, false));
    EXPECT_FALSE(FillRegion(s, Region{0, 0, 0, 0}, kSpecialPortUp, false));
    EXPECT_EQ(FieldMap(s), (std::vector<std::string>{".bW", ".bW"}));
}

TEST(Flip, ExchangesCellsAndKeepsEveryCodeAndItsDirection) {
    struct Case {
        bool leftRight;
        Region r;
        std::vector<std::string> before, after;
    };
    const Case cases[] = {
        // odd width: the middle column stays
        {true, {0, 0, 4, 0}, {"ZI+RE"}, {"ER+IZ"}},
        // even width: every cell moves; ports and RAM halves keep their codes
        {true, {0, 0, 3, 1}, {">.<R", "v*^b"}, {"R<.>", "b^*v"}},
        {true, {1, 0, 2, 0}, {"#>I#"}, {"#I>#"}},
        // top to bottom, inside a part of the level only
        {false, {1, 0, 1, 2}, {".>.", ".I.", ".v."}, {".v.", ".I.", ".>."}},
        {false, {0, 0, 1, 3}, {"Z+", "IE", "^#", "bW"}, {"bW", "^#", "IE", "Z+"}},
    };
    for (const auto& c : cases) {
        GameState s = EditedLevel(c.before);
        ASSERT_TRUE(c.leftRight ? FlipLeftRight(s, c.r) : FlipTopBottom(s, c.r));
        EXPECT_EQ(FieldMap(s), c.after) << c.before[0];
    }
}

TEST(Flip, ASpecialPortTakesItsEntryAlong) {
    test::LevelOptions o;
    o.specialPorts = {test::PortAt(5, 0, 0, 1)};
    GameState s = EditedLevel({"}.I.."}, o);
    ASSERT_TRUE(FlipLeftRight(s, Region{0, 0, 3, 0}));
    EXPECT_EQ(FieldMap(s)[0], ".I.}.");
    EXPECT_EQ(test::PortCells(s), std::vector<int>{3});
    EXPECT_EQ(s.Info.specialPort(0).gravity, 1);
}

TEST(DialogRegion, AllWithoutBorderIsTheInsideAndNumbersAreClamped) {
    struct Case {
        int x1, x2, y1, y2;
        bool all, border;
        Region expected;
    };
    const Case cases[] = {
        {1, 60, 1, 24, true, false, {1, 1, 58, 22}},
        {1, 60, 1, 24, true, true, {0, 0, 59, 23}},
        {0, 99, -5, 30, false, false, {0, 0, 59, 23}},
        {7, 3, 2, 2, false, false, {6, 1, 2, 1}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DialogRegion(c.x1, c.x2, c.y1, c.y2, c.all, c.border, 60, 24), c.expected) << c.x1 << " " << c.x2;
    }
}

}  // namespace
}  // namespace tsn
