#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>

#include "engine/game_state.h"
#include "files/qv_file.h"
#include "files/safe_write.h"
#include "files/tsn_file.h"
#include "temp_dir.h"

namespace tsn {
namespace {

TEST(SafeWrite, ReplacesTheFileWholeAndLeavesNoTemporaryFile) {
    testing::TempDir dir;
    const auto path = dir.file("target.bin");
    testing::WriteBytes(path, std::vector<uint8_t>(5000, 7));
    const std::vector<uint8_t> data{1, 2, 3};
    ASSERT_TRUE(WriteFileSafely(path, data, "Test").ok());
    EXPECT_EQ(testing::ReadBytes(path), data);
    EXPECT_EQ(testing::FilesIn(dir.path()), std::vector<std::string>{"target.bin"});
}

TEST(SafeWrite, MissingFolderOrFolderTargetFailsCleanly) {
    testing::TempDir dir;
    const std::vector<uint8_t> data{1, 2, 3};
    auto st = WriteFileSafely(dir.file("no/such/folder/x.tsn"), data, "SaveTSN");
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().procedure, "SaveTSN");
    EXPECT_NE(st.error().step, 0);

    // The folder of the target is a file.
    testing::WriteBytes(dir.file("plain"), {9});
    EXPECT_FALSE(WriteFileSafely(dir.file("plain/x.tsn"), data, "SaveTSN").ok());

    // The target is a folder.
    std::filesystem::create_directory(dir.file("sub"));
    EXPECT_FALSE(WriteFileSafely(dir.file("sub"), data, "SaveTSN").ok());
    EXPECT_TRUE(std::filesystem::is_directory(dir.file("sub")));
    EXPECT_EQ(testing::ReadBytes(dir.file("plain")), std::vector<uint8_t>{9});
}

// A write that fails half-way (the file-size limit stops it, whoever runs the test) leaves the
// previous file exactly as it was and no temporary file behind.
TEST(SafeWrite, FailedSaveKeepsThePreviousFile) {
    testing::TempDir dir;
    const auto path = dir.file("level.tsn");
    const std::vector<uint8_t> old(900, 42);
    testing::WriteBytes(path, old);

    GameState s;
    s.FieldBytes[5] = 76;
    const auto fieldBefore = s.FieldBytes;
    const auto infoBefore = s.Info.bytes;
    s.CurrentLevelFile = "before.dat";

    auto* oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 1000;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const auto tsn = SaveTSN(s, path, false, true, SaveOptions());
    const auto qv = SaveQV(s, path, true, SaveOptions());
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    ASSERT_FALSE(tsn.ok());
    EXPECT_EQ(tsn.error().procedure, "SaveTSN");
    ASSERT_FALSE(qv.ok());
    EXPECT_EQ(qv.error().procedure, "SaveQV");
    EXPECT_EQ(testing::ReadBytes(path), old);
    EXPECT_EQ(testing::FilesIn(dir.path()), std::vector<std::string>{"level.tsn"});
    // Nothing in memory changed either.
    EXPECT_EQ(s.FieldBytes, fieldBefore);
    EXPECT_EQ(s.Info.bytes, infoBefore);
    EXPECT_EQ(s.CurrentLevelFile, "before.dat");
}

}  // namespace
}  // namespace tsn
