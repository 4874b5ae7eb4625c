#include "editor/level_header.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor/level_editor.h"
#include "editor/new_level.h"
#include "editor_level.h"
#include "engine/game_state.h"
#include "files/create_level.h"
#include "temp_dir.h"

namespace tsn {
namespace {

TEST(LevelHeader, TitlesAreTrimmedThenCutOrPaddedTo23) {
    struct Case { std::string typed, stored; };
    const Case cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ1234", "ABCDEFGHIJKLMNOPQRSTUVW"},
        {"HELLO", "HELLO" + std::string(18, ' ')},
        {"   TWO WORDS  ", "TWO WORDS" + std::string(14, ' ')},
        {"    ", std::string(23, ' ')},
    };
    for (const auto& c : cases) EXPECT_EQ(EditorTitle(c.typed), c.stored) << c.typed;
}

TEST(LevelHeader, StoredBytes) {
    std::string row;
    for (int i = 0; i < 10; ++i) row += "IIe";
    GameState s = test::EditedLevel(std::vector<std::string>(10, row));  // 200 + 100
    LevelSource source;
    LevelEditor editor(s, source);
    struct Step { std::function<bool()> act; int offset, stored; };
    const int needed = LevelInfo::kInfotronsNeededOffset;
    const Step steps[] = {
        {[&] { return editor.SetInfotronsNeeded(300); }, needed, 255},
        {[&] { return editor.SetInfotronsNeeded(-4); }, needed, 0},
        {[&] { return editor.SetInfotronsNeeded(42); }, needed, 42},
        {[&] { return editor.SetAllInfotrons(true); }, needed, 255},  // 300 Infotrons and Electrons
        {[&] { return editor.SetAllInfotrons(false); }, needed, 42},
        {[&] { return editor.SetGravity(true); }, LevelInfo::kGravityOffset, 1},
        {[&] { return editor.SetFrozenZonks(true); }, LevelInfo::kFrozenZonksOffset, 2},
    };
    for (const auto& step : steps) {
        EXPECT_TRUE(step.act());
        EXPECT_EQ(s.Info.bytes[static_cast<size_t>(step.offset)], step.stored);
    }
    EXPECT_EQ(s.InfotronsNeeded, 42);
    EXPECT_EQ(editor.CountElements().text(), "300 - 200 - 100");
}

TEST(NewLevel, TypedSidesAreClamped) {
    struct Case { const char* typed; int side; };
    const Case cases[] = {{"200", 125}, {"1", 3}, {"-40", 40}, {"60", 60}, {"125", 125}, {"126", 125},
                          {"12.9", 12}, {"-1", 3}, {"", 3}, {"abc", 3}, {"99999999999", 125}};
    for (const auto& c : cases) EXPECT_EQ(NewLevelSide(c.typed), c.side) << c.typed;
}

// The grid is drawn only where the level is standard; a created level sets that from its size.
TEST(NewLevel, OnlyTheStandardSizeDrawsTheGrid) {
    struct Case { int w, h; bool grid; };
    const Case cases[] = {{60, 24, true}, {61, 24, false}, {60, 23, false}};
    testing::TempDir dir;
    for (const auto& c : cases) {
        GameState s;
        ASSERT_TRUE(CreateLevel(s, dir.file("new.tsn"), c.w, c.h, false).ok()) << c.w << "x" << c.h;
        EXPECT_EQ(!s.NonStandardLevel, c.grid) << c.w << "x" << c.h;
    }
}

}  // namespace
}  // namespace tsn
