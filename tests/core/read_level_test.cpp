#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/level_source.h"
#include "files/read_level.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::MakeRecord;

TEST(ReadLevel, FileChoiceRules) {
    GameState s;
    LevelSource src;
    s.CurrentLevelFile = "current.dat";
    EXPECT_EQ(ChooseLevelFile(s, src, ""), "current.dat");
    EXPECT_EQ(ChooseLevelFile(s, src, "given.qv"), "given.qv");
    src.DemoFolderFile = "folder.qv";
    EXPECT_EQ(ChooseLevelFile(s, src, "given.qv"), "folder.qv");
    src.LastRunFile = "last.tsn";
    EXPECT_EQ(ChooseLevelFile(s, src, "given.qv"), "last.tsn");
    src.EditorActive = true;
    src.EditorWorkFile = "tsnedit.tsn";
    EXPECT_EQ(ChooseLevelFile(s, src, "given.qv"), "tsnedit.tsn");
    src.ReloadFromLevelFile = true;
    EXPECT_EQ(ChooseLevelFile(s, src, "given.qv"), "last.tsn");
}

TEST(ReadLevel, DispatchesOnTheExtensionInAnyCase) {
    testing::TempDir dir;
    auto qv = MakeRecord(60, 24, "Single");
    qv.insert(qv.end(), {129, 0x10, 255});
    testing::WriteBytes(dir.file("A.QV"), qv);
    std::vector<uint8_t> set = MakeRecord(60, 24, "Set one");
    testing::Append(set, MakeRecord(60, 24, "Set two"));
    testing::WriteBytes(dir.file("S.D05"), set);
    auto tsnPayload = MakeRecord(7, 4, "Box");
    testing::WriteBytes(dir.file("B.Tsn"), testing::MakeContainer(1, 1, {{7, 4, 21, 124}}, tsnPayload));

    GameState s;
    LevelSource src;
    s.CurrentLevelNumber = 2;
    src.ReloadFromLevelFile = true;
    ASSERT_TRUE(ReadLevel(s, src, dir.file("S.D05")).ok());
    EXPECT_FALSE(src.ReloadFromLevelFile);
    EXPECT_TRUE(s.LevelFromSet);
    EXPECT_EQ(s.Info.title().substr(0, 7), "Set two");

    ASSERT_TRUE(ReadLevel(s, src, dir.file("A.QV")).ok());
    EXPECT_FALSE(s.LevelFromSet);
    EXPECT_TRUE(s.LevelHasDemo);
    EXPECT_EQ(s.DemoLengthFrames, 2);

    ASSERT_TRUE(ReadLevel(s, src, dir.file("B.Tsn")).ok());
    EXPECT_EQ(s.FieldWidth, 7);
    EXPECT_FALSE(s.LevelHasDemo);
    EXPECT_EQ(s.DemoLengthFrames, 0);

    // Empty current level file and no name: nothing to read, the level stays.
    s.CurrentLevelFile.clear();
    const auto st = ReadLevel(s, src, "");
    ASSERT_FALSE(st.ok());
    EXPECT_FALSE(s.LevelLoaded);
    EXPECT_EQ(s.FieldWidth, 7);

    // A missing file names the reader that failed.
    const auto missing = ReadLevel(s, src, dir.file("nope.tsn"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().procedure, "ReadTSN");
    EXPECT_EQ(missing.error().step, 1);
    EXPECT_NE(missing.error().Text().find("\nin Tessarin.modReadWrite.ReadTSN at line 1"),
              std::string::npos);
}

}  // namespace
}  // namespace tsn
