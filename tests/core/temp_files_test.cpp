#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "files/temp_files.h"
#include "temp_dir.h"

namespace tsn {
namespace {

TEST(TempFiles, NamesOfThisCopyAndStaleFileCleanup) {
    EXPECT_EQ(TempLevelFileName(0xABC), "tmp0x00000ABC.tsn");
    testing::TempDir dir;
    for (const char* name : {"tmp0x00000001.tsn", "tmp0x00000002.tsn", "tmp0x000000ff.TSN",
                             "tmp0x00000003.tsn", "other.tsn", "tmp0x00000004.txt"}) {
        testing::WriteBytes(dir.file(name), {1});
    }
    // Copy 2 and copy 0xFF are still running; this copy is 3.
    const int removed = RemoveStaleTempFiles(dir.path().string(), "tmp0x00000003.tsn",
                                             [](uint32_t id) { return id == 2 || id == 0xFF; });
    EXPECT_EQ(removed, 2);
    auto files = testing::FilesIn(dir.path());
    std::sort(files.begin(), files.end());
    EXPECT_EQ(files, (std::vector<std::string>{"other.tsn", "tmp0x00000002.tsn",
                                               "tmp0x00000004.txt", "tmp0x000000ff.TSN"}));
}

TEST(TempFiles, LastRunNamesAreCleanAndUnique) {
    LastRunNameParts p;
    p.title = "  A \"quoted\": level!? ";
    p.levelNumber = 7;
    p.levelFileName = "LEVELS.DAT";
    p.dateTime = "20:15:07 06.12.2026";
    p.steps = 321;
    p.solved = true;
    EXPECT_EQ(LastRunFileName(p), "A quoted level 7LEVELSDAT_20150706122026321T.tsn");

    testing::TempDir dir;
    const char* home = std::getenv("TESSARIN_HOME");
    const std::string oldHome = home ? home : "";
    ::setenv("TESSARIN_HOME", dir.path().c_str(), 1);
    const auto first = NewLastRunFile(p);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(*first, dir.file("Temp/A quoted level 7LEVELSDAT_20150706122026321T.tsn"));
    testing::WriteBytes(*first, {1});
    EXPECT_EQ(*NewLastRunFile(p), dir.file("Temp/A quoted level 7LEVELSDAT_20150706122026321T-2.tsn"));
    if (home) ::setenv("TESSARIN_HOME", oldHome.c_str(), 1);
    else ::unsetenv("TESSARIN_HOME");
}

}  // namespace
}  // namespace tsn
