#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <optional>

#include "files/safe_write.h"
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

// TESSARIN_HOME pointed at a test folder for the life of the object.
class HomeFolder {
public:
    HomeFolder() {
        const char* home = std::getenv("TESSARIN_HOME");
        if (home) old_ = home;
        ::setenv("TESSARIN_HOME", dir_.path().c_str(), 1);
    }
    ~HomeFolder() {
        if (old_) ::setenv("TESSARIN_HOME", old_->c_str(), 1);
        else ::unsetenv("TESSARIN_HOME");
    }
    std::string file(const std::string& name) const { return dir_.file(name); }

private:
    testing::TempDir dir_;
    std::optional<std::string> old_;
};

LastRunNameParts Parts(const std::string& title, const std::string& levelFileName) {
    LastRunNameParts p;
    p.title = title;
    p.levelNumber = 7;
    p.levelFileName = levelFileName;
    p.dateTime = "20:15:07 06.12.2026";
    p.steps = 321;
    p.solved = true;
    return p;
}

TEST(TempFiles, LastRunNamesAreCleanAndUnique) {
    const auto p = Parts("  A \"quoted\": level!? ", "LEVELS.DAT");
    EXPECT_EQ(LastRunFileName(p), "A quoted level 7LEVELSDAT_20150706122026321T.tsn");

    HomeFolder home;
    const auto first = NewLastRunFile(p);
    ASSERT_TRUE(first.ok());
    EXPECT_EQ(*first, home.file("Temp/A quoted level 7LEVELSDAT_20150706122026321T.tsn"));
    testing::WriteBytes(*first, {1});
    EXPECT_EQ(*NewLastRunFile(p),
              home.file("Temp/A quoted level 7LEVELSDAT_20150706122026321T-2.tsn"));
}

// A name never begins with a dash or a blank, and never outgrows the file system: the run's
// own part stays whole, the rest is cut without splitting a character.
TEST(TempFiles, LastRunNamesFitTheFileSystemAndBeginWithoutDashes) {
    const std::string run = "_20150706122026321T.tsn";
    const std::string longName = std::string(246, 'x') + ".tsn";
    std::string accents;
    for (int i = 0; i < 125; ++i) accents += "\xC3\xA9";  // 250 bytes of two-byte characters
    struct Case {
        std::string title;
        std::string levelFileName;
        std::string expected;
    };
    const Case cases[] = {
        {"----- FIRST STEPS -----", "LEVELS.DAT", "FIRST STEPS -----7LEVELSDAT" + run},
        {" - -", "-x.dat", "7-xdat" + run},
        {"Long", longName, ("Long7" + longName).substr(0, 255 - run.size()) + run},
        {"Odds", accents, "Odds7" + accents.substr(0, 226) + run},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LastRunFileName(Parts(c.title, c.levelFileName)), c.expected);
    }

    // Both the first name and the numbered one that follows it can be created.
    HomeFolder home;
    for (const char* expectedEnd : {"T.tsn", "T-2.tsn"}) {
        const auto path = NewLastRunFile(Parts("Long", longName));
        ASSERT_TRUE(path.ok());
        const std::string name = std::filesystem::path(*path).filename().string();
        EXPECT_LE(name.size(), 255u);
        EXPECT_TRUE(name.ends_with(expectedEnd)) << name;
        const std::vector<uint8_t> data{1};
        ASSERT_TRUE(WriteFileSafely(*path, data, "SaveTSN").ok()) << name;
    }
}

}  // namespace
}  // namespace tsn
