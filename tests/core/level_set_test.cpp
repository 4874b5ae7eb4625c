#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/create_level.h"
#include "files/level_set_file.h"
#include "files/level_source.h"
#include "files/read_level.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::MakeRecord;

std::vector<uint8_t> ThreeLevelSet() {
    std::vector<uint8_t> set;
    for (int n = 1; n <= 3; ++n) testing::Append(set, MakeRecord(60, 24, "Level " + std::to_string(n)));
    set[1536 * 2] = 3;  // Murphy in the first cell of level 3
    return set;
}

TEST(LevelSet, ReadsTheChosenLevelIntoTheField) {
    GameState s;
    s.clock = [] { return 0x00030005; };
    s.CurrentLevelNumber = 3;
    const auto set = ThreeLevelSet();
    ASSERT_TRUE(ReadLevelSet(s, set).ok());
    EXPECT_TRUE(s.LevelLoaded);
    EXPECT_TRUE(s.LevelFromSet);
    EXPECT_FALSE(s.NonStandardLevel);
    EXPECT_FALSE(s.LevelHasDemo);
    EXPECT_EQ(s.FieldWidth, 60);
    EXPECT_EQ(s.FieldUpper, 1439);
    EXPECT_EQ(s.LevelRecordUpper, 1535);
    EXPECT_EQ(s.LevelBufferUpper, 1535);
    EXPECT_EQ(s.DemoStartIndex, 1536);
    EXPECT_EQ(s.DemoReadIndex, 1536);
    EXPECT_EQ(s.Info.title().substr(0, 7), "Level 3");
    EXPECT_EQ(s.GravityOn, 1);
    EXPECT_EQ(s.ZonksFrozen, 2);
    // The whole record, info block included, is widened into the field; the bytes are zeroed.
    for (int i = 0; i < 1536; ++i) ASSERT_EQ(s.PlayField16[i], set[static_cast<size_t>(1536 * 2 + i)]) << i;
    for (int i = 0; i < 1440; ++i) ASSERT_EQ(s.FieldBytes[static_cast<size_t>(i)], set[static_cast<size_t>(3072 + i)]);
    EXPECT_EQ(s.PlayField16[1536], 0);
    EXPECT_EQ(s.PlayField16[-1], 0);
    ASSERT_EQ(s.LevelBytes.size(), 1536u);
    for (auto b : s.LevelBytes) ASSERT_EQ(b, 0);
    // Sets always seed from the clock: (3 ^ 0x30005) & 0xFFFF = 6.
    EXPECT_EQ(s.RandomSeed, 6);
    EXPECT_EQ(s.StartRandomSeed, 6);
}

TEST(LevelSet, RestartReadsTheLevelLastChosenInTheList) {
    GameState s;
    s.CurrentLevelNumber = 1;
    s.LoadedLevelNumber = 2;
    ASSERT_TRUE(ReadLevelSet(s, ThreeLevelSet(), true).ok());
    EXPECT_EQ(s.CurrentLevelNumber, 2);
    EXPECT_EQ(s.Info.title().substr(0, 7), "Level 2");
}

TEST(LevelSet, ShortLastRecordReadsWhatIsPresentAndMissingLevelsAreRefused) {
    auto set = ThreeLevelSet();
    set.resize(1536 * 2 + 100);
    GameState s;
    s.CurrentLevelNumber = 3;
    ASSERT_TRUE(ReadLevelSet(s, set).ok());
    EXPECT_EQ(s.PlayField16[0], 3);
    EXPECT_EQ(s.PlayField16[99], set.back());
    EXPECT_EQ(s.PlayField16[100], 0);
    EXPECT_EQ(s.Info.title(), std::string(23, '\0'));

    // Level 4 has no byte in the file: refused, and the level read before stays.
    s.CurrentLevelNumber = 4;
    const auto st = ReadLevelSet(s, set);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().procedure, "ReadLevel");
    EXPECT_FALSE(s.LevelLoaded);
    EXPECT_EQ(s.PlayField16[0], 3);
    EXPECT_EQ(s.FieldBytes[0], 3);

    GameState e;
    const std::vector<uint8_t> empty;
    EXPECT_FALSE(ReadLevelSet(e, empty).ok());
}

TEST(LevelSet, ListCountFollowsCompleteInfoBlocks) {
    EXPECT_EQ(LevelSetListCount(1536 * 5), 5);
    EXPECT_EQ(LevelSetListCount(1536 * 5 + 1535), 5);
    EXPECT_EQ(LevelSetListCount(100), 1);
    EXPECT_EQ(LevelSetListCount(0), 1);
}

TEST(LevelSet, NewCollectionHas111BlankLevels) {
    testing::TempDir dir;
    const auto path = dir.file("new.d07");
    GameState s;
    s.CurrentLevelNumber = 9;
    ASSERT_TRUE(CreateLevel(s, path, 60, 24, true).ok());
    EXPECT_EQ(s.CurrentLevelNumber, 1);
    EXPECT_FALSE(s.NonStandardLevel);
    const auto bytes = testing::ReadBytes(path);
    ASSERT_EQ(bytes.size(), 111u * 1536);
    for (int n : {1, 7, 111}) {
        const size_t base = 1536 * static_cast<size_t>(n - 1);
        LevelInfo info;
        std::copy_n(bytes.begin() + static_cast<long>(base + 1440), 96, info.bytes.begin());
        char title[24];
        std::snprintf(title, sizeof title, "-------Level %03d-------", n);
        EXPECT_EQ(info.title(), title);
        EXPECT_EQ(info.saveMark(), 132);
        int nonzero = 0;
        for (int i = 0; i < 96; ++i) nonzero += (i != 5 && (i < 6 || i >= 29) && info.bytes[static_cast<size_t>(i)] != 0);
        EXPECT_EQ(nonzero, 0);
        // Border hardware, Murphy at (1,1), exit at (1,2).
        EXPECT_EQ(bytes[base + 0], 6);
        EXPECT_EQ(bytes[base + 59], 6);
        EXPECT_EQ(bytes[base + 60], 6);
        EXPECT_EQ(bytes[base + 61], 3);
        EXPECT_EQ(bytes[base + 121], 7);
        EXPECT_EQ(bytes[base + 62], 0);
        EXPECT_EQ(bytes[base + 1439], 6);
    }
    // Read back through ReadLevel.
    s.CurrentLevelNumber = 111;
    LevelSource src;
    ASSERT_TRUE(ReadLevel(s, src, path).ok());
    EXPECT_EQ(s.Info.title(), "-------Level 111-------");
    EXPECT_EQ(s.PlayField16[61], 3);
}

TEST(LevelSet, SmallLevelsPutTheExitBesideMurphy) {
    testing::TempDir dir;
    GameState s;
    ASSERT_TRUE(CreateLevel(s, dir.file("small.tsn"), 3, 3, false).ok());
    const auto bytes = testing::ReadBytes(dir.file("small.tsn"));
    ASSERT_EQ(bytes.size(), 20u + 9 + 96);
    const std::vector<uint8_t> field(bytes.begin() + 20, bytes.begin() + 29);
    EXPECT_EQ(field, (std::vector<uint8_t>{6, 6, 6, 6, 3, 7, 6, 6, 6}));
    EXPECT_TRUE(s.NonStandardLevel);

    EXPECT_FALSE(CreateLevel(s, dir.file("bad.tsn"), 2, 30, false).ok());
    EXPECT_FALSE(CreateLevel(s, dir.file("bad.tsn"), 200, 200, false).ok());
    EXPECT_FALSE(CreateLevel(s, dir.file("bad.dat"), 40, 20, true).ok());
    EXPECT_FALSE(std::filesystem::exists(dir.file("bad.tsn")));
    EXPECT_FALSE(std::filesystem::exists(dir.file("bad.dat")));
}

}  // namespace
}  // namespace tsn
