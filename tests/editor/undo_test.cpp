#include "editor/level_editor.h"

#include <gtest/gtest.h>

#include <functional>

#include "editor_level.h"
#include "engine/element_codes.h"

namespace tsn {
namespace {

// Its border has a gap in the top left corner.
GameState SmallLevel() { return test::EditedLevel({".####", "#M>I#", "#.IE#", "#####"}); }

TEST(Undo, StepsOfTheHistory) {
    GameState s = SmallLevel();
    LevelSource source;
    LevelEditor editor(s, source);
    editor.ResetUndo();
    const LevelSnapshot start = editor.Current();
    EXPECT_FALSE(editor.Undo());  // right after a reset there is nothing to undo
    EXPECT_FALSE(editor.CanUndo());
    EXPECT_FALSE(editor.CanRedo());

    // press, edit, undo, redo: back at the edit, nothing more to redo
    editor.BeginStroke();
    editor.PutElement(1, 2, kZonk);
    editor.PutElement(2, 2, kZonk);
    const LevelSnapshot edited = editor.Current();
    EXPECT_TRUE(editor.CanUndo());
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Current(), start);
    EXPECT_TRUE(editor.CanRedo());
    ASSERT_TRUE(editor.Redo());
    EXPECT_EQ(editor.Current(), edited);
    EXPECT_FALSE(editor.CanRedo());
    EXPECT_FALSE(editor.Redo());

    // two snapshots, two undos, a new snapshot: the redo future is gone; that press changes
    // nothing and is still a step of its own
    editor.BeginStroke();
    editor.PutElement(3, 2, kBase);
    ASSERT_TRUE(editor.Undo());
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Current(), start);
    editor.BeginStroke();
    editor.PutElement(1, 2, kSpace);
    EXPECT_FALSE(editor.CanRedo());
    ASSERT_TRUE(editor.Undo());
    EXPECT_EQ(editor.Current(), start);
    EXPECT_FALSE(editor.CanUndo());
}

TEST(Undo, EveryCommandIsOneStepBackAndForth) {
    struct Case {
        const char* what;
        std::function<bool(LevelEditor&)> command;
    };
    const Case cases[] = {
        {"fill", [](LevelEditor& e) { return e.FillRegion(Region{1, 1, 3, 2}, kBug, false); }},
        {"flip left-right", [](LevelEditor& e) { return e.FlipLeftRight(Region{1, 1, 3, 2}); }},
        {"flip top-bottom", [](LevelEditor& e) { return e.FlipTopBottom(Region{1, 1, 3, 2}); }},
        {"restore border", [](LevelEditor& e) { e.RestoreBorder(); return true; }},
        {"title", [](LevelEditor& e) { return e.SetTitle("A NEW TITLE"); }},
        {"infotrons needed", [](LevelEditor& e) { return e.SetInfotronsNeeded(9); }},
        {"all", [](LevelEditor& e) { return e.SetAllInfotrons(true); }},
        {"gravity", [](LevelEditor& e) { return e.SetGravity(true); }},
        {"frozen zonks", [](LevelEditor& e) { return e.SetFrozenZonks(true); }},
        {"special port", [](LevelEditor& e) { return e.ApplySpecialPort(7, SpecialPortSettings{true, false, true}).entry == 1; }},
    };
    for (const auto& c : cases) {
        GameState s = SmallLevel();
        LevelSource source;
        LevelEditor editor(s, source);
        editor.ResetUndo();
        const LevelSnapshot before = editor.Current();
        ASSERT_TRUE(c.command(editor)) << c.what;
        const LevelSnapshot after = editor.Current();
        EXPECT_NE(after, before) << c.what;
        EXPECT_TRUE(editor.LevelChanged()) << c.what;
        ASSERT_TRUE(editor.Undo()) << c.what;
        EXPECT_EQ(editor.Current(), before) << c.what;
        EXPECT_FALSE(editor.CanUndo()) << c.what;
        ASSERT_TRUE(editor.Redo()) << c.what;
        EXPECT_EQ(editor.Current(), after) << c.what;
    }
}

TEST(Undo, ARefusedCommandOrAnUnchangedValueAddsNoStep) {
    GameState s = SmallLevel();
    LevelSource source;
    LevelEditor editor(s, source);
    editor.ResetUndo();
    EXPECT_FALSE(editor.FillRegion(Region{0, 0, 5, 0}, kZonk, false));
    EXPECT_FALSE(editor.FlipTopBottom(Region{2, 2, 1, 1}));
    EXPECT_FALSE(editor.SetGravity(false));
    EXPECT_FALSE(editor.SetTitle("  TEST LEVEL "));
    EXPECT_FALSE(editor.CanUndo() || editor.LevelChanged());
}

TEST(Undo, AStateOfAnotherLevelSizeIsNeverRestored) {
    GameState s = SmallLevel();
    LevelSource source;
    LevelEditor editor(s, source);
    editor.ResetUndo();
    editor.BeginStroke();
    test::LoadMap(s, {"######", "#M..E#", "######"});
    EXPECT_FALSE(editor.Undo());
    EXPECT_EQ(s.FieldWidth, 6);
    EXPECT_EQ(s.FieldBytes.size(), 18u);
}

}  // namespace
}  // namespace tsn
