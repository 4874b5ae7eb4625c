// Emptying the Temp folder one file at a time.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/temp_folder_clearing.h"
#include "temp_dir.h"

namespace tsn {
namespace {

namespace fs = std::filesystem;

TEST(TempFolderClearing, DeletesTheFilesInNameOrderAndKeepsSubFolders) {
    testing::TempDir dir;
    for (const char* name : {"b.tsn", "a.tsn", "c.txt"}) testing::WriteBytes(dir.file(name), {1});
    fs::create_directory(dir.path() / "sub");
    testing::WriteBytes((dir.path() / "sub" / "kept.tsn").string(), {1});
    fs::create_symlink(dir.path() / "sub" / "kept.tsn", dir.path() / "d.lnk");

    TempFolderClearing c(dir.path().string());
    ASSERT_EQ(c.Total(), 4u);
    std::vector<std::string> lines;
    while (!c.Done()) {
        lines.push_back(c.ProgressLine());
        lines.push_back(c.DeleteNext());
    }
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "Deleting file 1 of 4", "a.tsn [DELETED]", "Deleting file 2 of 4",
                         "b.tsn [DELETED]", "Deleting file 3 of 4", "c.txt [DELETED]",
                         "Deleting file 4 of 4", "d.lnk [DELETED]"}));
    EXPECT_EQ(c.Deleted().size(), 4u);
    EXPECT_TRUE(fs::exists(dir.path() / "sub" / "kept.tsn"));  // the link went, not its file
    EXPECT_FALSE(fs::exists(dir.path() / "a.tsn"));
    EXPECT_EQ(c.DeleteNext(), "");
}

TEST(TempFolderClearing, EmptyAndMissingFoldersHaveNothingToDelete) {
    testing::TempDir dir;
    EXPECT_TRUE(TempFolderClearing(dir.path().string()).Done());
    EXPECT_EQ(TempFolderClearing(dir.file("missing")).Total(), 0u);
}

}  // namespace
}  // namespace tsn
