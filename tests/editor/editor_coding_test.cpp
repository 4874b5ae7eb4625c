#include "editor/editor_coding.h"

#include <gtest/gtest.h>

#include "editor/level_editor.h"
#include "editor_level.h"
#include "engine/element_codes.h"
#include "files/read_level.h"
#include "files/tsn_file.h"
#include "level_bytes.h"
#include "run/run_setup.h"
#include "temp_dir.h"

namespace tsn {
namespace {

// The Bug, the Wall Space and a Bug placed in the editor at cells 2, 3 and 4 of row 1.
std::vector<int> MarkedCells(const GameState& s) {
    std::vector<int> codes;
    for (int x = 2; x <= 4; ++x) codes.push_back(s.FieldBytes[static_cast<size_t>(test::CellAt(s, x, 1))]);
    return codes;
}

std::vector<int> MarkedCellsOfFile(const std::string& path) {
    GameState t;
    EXPECT_TRUE(ReadTSN(t, path));
    return MarkedCells(t);
}

TEST(EditorCoding, EnterTestPlaySaveAndLeave) {
    testing::TempDir dir;
    const auto options = testing::FixedOptions();
    GameState s;
    LevelSource source;
    test::LoadMap(s, {"#######", "#MbW.E#", "#######"});
    ASSERT_TRUE(SaveTSN(s, dir.file("level.tsn"), false, true, options));
    ASSERT_TRUE(ReadLevel(s, source, ""));
    const std::vector<int> plain{kBug, kWallSpace, kSpace};
    EXPECT_EQ(MarkedCells(s), plain);

    LevelEditor editor(s, source);
    ASSERT_TRUE(editor.Enter(dir.file("tsnedit.tsn"), options));
    EXPECT_TRUE(source.EditorActive);
    EXPECT_FALSE(editor.UndoResetPending());
    EXPECT_EQ(MarkedCells(s), (std::vector<int>{kEditorBug, kHardwareTrash1, kSpace}));
    editor.BeginStroke();
    ASSERT_TRUE(editor.PutElement(4, 1, kBug));
    const std::vector<int> edited{kEditorBug, kHardwareTrash1, kEditorBug};
    const std::vector<int> editedPlain{kBug, kWallSpace, kBug};
    EXPECT_EQ(MarkedCells(s), edited);

    // a test game runs on the plain codes of the working file, then the editor has its own again
    ASSERT_TRUE(BeginTestPlay(s, source, options));
    EXPECT_EQ(MarkedCellsOfFile(dir.file("tsnedit.tsn")), editedPlain);
    RunSetup run;
    run.seed = 1;
    run.source = &source;
    ASSERT_TRUE(PrepareRun(s, run));
    EXPECT_EQ(MarkedCells(s), editedPlain);
    s.FieldBytes[static_cast<size_t>(test::CellAt(s, 4, 1))] = kZonk;  // whatever the run left
    ASSERT_TRUE(EndTestPlay(s, source));
    EXPECT_EQ(MarkedCells(s), edited);
    EXPECT_TRUE(editor.CanUndo());

    // saving writes the plain codes and leaves the editor's in place
    ASSERT_TRUE(SaveTSN(s, dir.file("saved.tsn"), false, false, options));
    EXPECT_EQ(MarkedCellsOfFile(dir.file("saved.tsn")), editedPlain);
    EXPECT_EQ(MarkedCells(s), edited);

    ASSERT_TRUE(editor.Leave());
    EXPECT_FALSE(source.EditorActive);
    EXPECT_FALSE(editor.LevelChanged());
    EXPECT_EQ(MarkedCells(s), editedPlain);

    // the history outlives leaving and entering again
    ASSERT_TRUE(editor.Enter(dir.file("tsnedit.tsn"), options));
    EXPECT_TRUE(editor.CanUndo());
}

TEST(EditorCoding, AFailedEntryLeavesTheEditorOff) {
    testing::TempDir dir;
    GameState s = test::EditedLevel({"#M.E#"});
    ToGameCoding(s.FieldBytes);
    LevelSource source;
    EXPECT_FALSE(EnterEditorLevel(s, source, dir.file("missing/folder/tsnedit.tsn"),
                                  testing::FixedOptions()));
    EXPECT_FALSE(source.EditorActive);
    EXPECT_TRUE(source.EditorWorkFile.empty());
    s.LevelLoaded = false;
    EXPECT_FALSE(EnterEditorLevel(s, source, dir.file("tsnedit.tsn"), testing::FixedOptions()));
    EXPECT_FALSE(source.EditorActive);
}

}  // namespace
}  // namespace tsn
