#include <gtest/gtest.h>

#include "files/level_file_summary.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::Append;
using testing::MakeContainer;
using testing::MakeRecord;

TEST(LevelFileSummary, ContainerLevelsCarryTheirOwnDemoAndSignature) {
    testing::TempDir dir;
    auto first = MakeRecord(10, 5, "First");
    Append(first, {129, 0x31, 255, 'o', 'n', 'e', 255});
    auto second = MakeRecord(20, 6, "Second");
    Append(second, {129, 0x02, 0xF2, 255});
    const int base = 8 + 36 + 1;
    const auto s1 = static_cast<int64_t>(first.size());
    const auto s2 = static_cast<int64_t>(second.size());
    auto payload = first;
    Append(payload, second);
    testing::WriteBytes(dir.file("c.TSN"),
                        MakeContainer(3, 3, {{10, 5, base, s1}, {20, 6, base + s1, s2}, {-1, 6, base, 10}},
                                      payload));
    const auto summary = SummarizeLevelFile(dir.file("c.TSN"));
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary->kind, LevelFileKind::kTsn);
    EXPECT_EQ(summary->version, 3);
    ASSERT_EQ(summary->levels.size(), 3u);
    const auto& a = summary->levels[0];
    EXPECT_EQ(a.width, 10);
    EXPECT_TRUE(a.hasDemo);
    EXPECT_EQ(a.demoFrames, 4);
    EXPECT_EQ(a.signature, "one");
    const auto& b = summary->levels[1];
    EXPECT_EQ(b.info.title().substr(0, 6), "Second");
    EXPECT_EQ(b.demoFrames, 1 + 16);
    // Only its own bytes are searched: the 255s of the first level make no signature here.
    EXPECT_FALSE(b.hasSignature);
    ASSERT_TRUE(summary->levels[2].error.has_value());
    EXPECT_FALSE(a.error.has_value());
}

// Levels sharing bytes are read once: a level overlapping one listed before it is refused,
// a level right behind another is read.
TEST(LevelFileSummary, ContainerLevelsOverlappingEarlierOnesAreNotRead) {
    testing::TempDir dir;
    auto level = MakeRecord(10, 5, "One");
    Append(level, {129, 0x31, 255});
    const int64_t size = static_cast<int64_t>(level.size());
    auto payload = level;
    Append(payload, level);
    const int64_t base = 8 + 4 * 12 + 1;
    testing::WriteBytes(dir.file("o.tsn"),
                        MakeContainer(1, 4,
                                      {{10, 5, base + 1, size - 1}, {10, 5, base, size},
                                       {10, 5, base + size, size}, {10, 5, base + size - 1, 1}},
                                      payload));
    const auto summary = SummarizeLevelFile(dir.file("o.tsn"));
    ASSERT_TRUE(summary.ok());
    ASSERT_EQ(summary->levels.size(), 4u);
    EXPECT_FALSE(summary->levels[0].error.has_value());
    ASSERT_TRUE(summary->levels[1].error.has_value());
    EXPECT_EQ(summary->levels[1].error->description, "The data of level 2 overlaps the data of level 1");
    EXPECT_FALSE(summary->levels[2].error.has_value());
    EXPECT_EQ(summary->levels[2].demoFrames, 4);
    ASSERT_TRUE(summary->levels[3].error.has_value());
    EXPECT_EQ(summary->levels[3].error->description, "The data of level 4 overlaps the data of level 3");
}

TEST(LevelFileSummary, SetsListTheirLevelsAndOtherNamesAreRefused) {
    testing::TempDir dir;
    std::vector<uint8_t> set;
    for (int n = 0; n < 3; ++n) Append(set, MakeRecord(60, 24, "L"));
    set.resize(set.size() - 50);
    testing::WriteBytes(dir.file("s.d10"), set);
    const auto summary = SummarizeLevelFile(dir.file("s.d10"));
    ASSERT_TRUE(summary.ok());
    EXPECT_EQ(summary->levels.size(), 2u);
    EXPECT_FALSE(summary->levels[1].hasDemo);
    testing::WriteBytes(dir.file("notes.txt"), set);
    EXPECT_FALSE(SummarizeLevelFile(dir.file("notes.txt")).ok());
    EXPECT_FALSE(SummarizeLevelFile(dir.file("missing.qv")).ok());
}

}  // namespace
}  // namespace tsn
