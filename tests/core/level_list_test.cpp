#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/level_list.h"
#include "files/level_source.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::Append;
using testing::MakeContainer;
using testing::MakeRecord;

TEST(LevelList, LevelSetStopsAtTheFirstIncompleteInfoBlock) {
    testing::TempDir dir;
    std::vector<uint8_t> set;
    for (int n = 1; n <= 4; ++n) Append(set, MakeRecord(60, 24, "Level " + std::to_string(n)));
    set.resize(set.size() - 1);  // level 4's info block is one byte short
    testing::WriteBytes(dir.file("a.D01"), set);
    const uint8_t progress[] = {1, 2};
    const auto entries = LevelListEntries(dir.file("a.D01"), progress);
    ASSERT_TRUE(entries.ok());
    ASSERT_EQ(entries->size(), 3u);
    EXPECT_EQ((*entries)[0].text, "001   Level 1                ");
    EXPECT_EQ((*entries)[2].number, 3);
    EXPECT_EQ((*entries)[0].progress, 1);
    EXPECT_EQ((*entries)[1].progress, 2);
    EXPECT_EQ((*entries)[2].progress, 0);
    EXPECT_EQ((*entries)[2].info.infotronsNeeded(), 33);
}

TEST(LevelList, ShortFilesStillListLevelOneAndQvFilesOneEntry) {
    testing::TempDir dir;
    auto rec = MakeRecord(60, 24, "Only");
    rec.resize(1450);  // the title is partly present
    testing::WriteBytes(dir.file("short.dat"), rec);
    auto entries = LevelListEntries(dir.file("short.dat"));
    ASSERT_EQ(entries->size(), 1u);
    EXPECT_EQ(entries->front().text.substr(0, 10), std::string("001   ") + "Only");

    auto qv = MakeRecord(60, 24, "Demo level");
    Append(qv, MakeRecord(60, 24, "Looks like a second level"));
    testing::WriteBytes(dir.file("d.qv"), qv);
    entries = LevelListEntries(dir.file("d.qv"));
    ASSERT_EQ(entries->size(), 1u);

    testing::WriteBytes(dir.file("other.txt"), qv);
    EXPECT_TRUE(LevelListEntries(dir.file("other.txt"))->empty());

    const auto missing = LevelListEntries(dir.file("gone.dat"));
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(missing.error().description,
              "The File " + dir.file("gone.dat") + " was not found. sub FillLevelList");
}

TEST(LevelList, ContainerListsEveryReadableLevel) {
    testing::TempDir dir;
    auto payload = MakeRecord(10, 5, "First");
    Append(payload, MakeRecord(20, 6, "Second"));
    const int base = 8 + 36 + 1;
    testing::WriteBytes(dir.file("three.tsn"),
                        MakeContainer(2, 3, {{10, 5, base, 146}, {20, 6, base + 146, 216}, {20, 6, 99999, 216}},
                                      payload));
    const auto entries = LevelListEntries(dir.file("three.tsn"));
    ASSERT_TRUE(entries.ok());
    ASSERT_EQ(entries->size(), 2u);  // the third entry points outside the file
    EXPECT_EQ((*entries)[1].text.substr(0, 12), "002   Second");

    testing::WriteBytes(dir.file("bad.tsn"), {'N', 'O', 'P', 'E', 1, 0, 1, 0});
    const auto bad = LevelListEntries(dir.file("bad.tsn"));
    ASSERT_FALSE(bad.ok());
    EXPECT_EQ(bad.error().procedure, "TsnOpen");
}

// The number of the chosen level is one byte: a list never offers more than 255 levels, and
// says how many it leaves out.
TEST(LevelList, ListsAtMost255Levels) {
    testing::TempDir dir;
    std::vector<uint8_t> set;
    std::vector<uint8_t> payload;
    std::vector<testing::Entry> directory;
    const int count = 300;
    const int base = 8 + 12 * count + 1;
    for (int n = 1; n <= count; ++n) {
        directory.push_back({3, 3, base + static_cast<int64_t>(payload.size()), 105});
        Append(payload, MakeRecord(3, 3, "Level " + std::to_string(n)));
        Append(set, MakeRecord(60, 24, "Level " + std::to_string(n)));
    }
    testing::WriteBytes(dir.file("long.dat"), set);
    testing::WriteBytes(dir.file("long.tsn"), MakeContainer(1, count, directory, payload));
    for (const char* name : {"long.dat", "long.tsn"}) {
        int notListed = -1;
        const auto entries = LevelListEntries(dir.file(name), {}, &notListed);
        ASSERT_TRUE(entries.ok()) << name;
        ASSERT_EQ(entries->size(), 255u) << name;
        EXPECT_EQ(entries->back().text.substr(0, 15), "255   Level 255") << name;
        EXPECT_EQ(notListed, count - 255) << name;
    }
}

TEST(LevelList, SelectionAndChoosingALevel) {
    EXPECT_EQ(LevelListSelection(0, 5), 0);
    EXPECT_EQ(LevelListSelection(5, 5), 4);
    EXPECT_EQ(LevelListSelection(6, 5), 0);
    GameState s;
    LevelSource src;
    s.LoadedLevelNumber = 3;
    src.LastRunFile = "run.tsn";
    ChooseListedLevel(s, src, 2, 10);  // the same level again keeps its last run
    EXPECT_EQ(s.CurrentLevelNumber, 3);
    EXPECT_EQ(src.LastRunFile, "run.tsn");
    ChooseListedLevel(s, src, 4, 10);
    EXPECT_EQ(s.CurrentLevelNumber, 5);
    EXPECT_EQ(s.LoadedLevelNumber, 5);
    EXPECT_TRUE(src.LastRunFile.empty());
    ChooseListedLevel(s, src, 7, 1);
    EXPECT_EQ(s.CurrentLevelNumber, 1);
}

}  // namespace
}  // namespace tsn
