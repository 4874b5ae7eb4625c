#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>

#include "engine/game_state.h"
#include "files/qv_file.h"
#include "files/safe_write.h"
#include "files/tsn_file.h"
#include "files/write_permission.h"
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

// What a save must never do to the file it is given: replace a read-only file, turn a link
// into a plain file, or give the file away to another owner. Whoever runs the tests (the
// superuser included), a refused save leaves bytes, permissions, owner and link as they were.
struct FileState {
    std::vector<uint8_t> bytes;
    mode_t mode = 0;
    uid_t owner = 0;
    gid_t group = 0;
    bool operator==(const FileState&) const = default;
};

FileState StateOf(const std::string& path) {
    struct stat st {};
    EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
    return {testing::ReadBytes(path), st.st_mode, st.st_uid, st.st_gid};
}

// Another owner and group for the file, when the test runs as the superuser; else the file
// stays the runner's own.
void GiveAway(const std::string& path) {
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(path.c_str(), 12345, 23456), 0);
    }
}

TEST(SafeWrite, ReadOnlyTargetsAreRefusedAndLeftAlone) {
    struct Case {
        mode_t mode;
        bool otherOwner;
    };
    for (const Case c :
         {Case{0444, false}, Case{0444, true}, Case{0400, false}, Case{0000, true}}) {
        SCOPED_TRACE(::testing::Message()
                     << std::oct << c.mode << (c.otherOwner ? " other" : " own"));
        testing::TempDir dir;
        const auto path = dir.file("level.qv");
        testing::WriteBytes(path, {5, 6, 7});
        if (c.otherOwner) GiveAway(path);
        ASSERT_EQ(::chmod(path.c_str(), c.mode), 0);
        const FileState before = StateOf(path);

        const std::vector<uint8_t> data{1, 2};
        const auto st = WriteFileSafely(path, data, "SaveQV");
        ASSERT_FALSE(st.ok());
        EXPECT_EQ(st.error().description, "The file " + path + " is read-only and was not changed");
        EXPECT_EQ(StateOf(path), before);
        EXPECT_EQ(testing::FilesIn(dir.path()), std::vector<std::string>{"level.qv"});
    }
}

TEST(SafeWrite, PermissionBitsOfTheWritersClassDecide) {
    const Writer root{0, 0, {}};
    const Writer user{1000, 100, {20, 30}};
    struct Case {
        mode_t mode;
        uid_t owner;
        gid_t group;
        const Writer& who;
        bool allowed;
    };
    const Case cases[] = {
        {0444, 1000, 100, root, false}, {0002, 1000, 100, root, true},  {0200, 5, 5, root, true},
        {0644, 1000, 100, user, true},  {0464, 1000, 100, user, false}, {0464, 5, 100, user, true},
        {0464, 5, 30, user, true},      {0644, 5, 30, user, false},     {0646, 5, 5, user, true},
        {0664, 5, 5, user, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PermissionBitsAllowWriting(c.mode, c.owner, c.group, c.who), c.allowed)
            << std::oct << c.mode << std::dec << " owner " << c.owner << " group " << c.group
            << " writer " << c.who.user;
    }
}

TEST(SafeWrite, ReplacedFileKeepsOwnerGroupAndPermissions) {
    for (const mode_t mode : {0640, 0604, 0755}) {
        testing::TempDir dir;
        const auto path = dir.file("level.tsn");
        testing::WriteBytes(path, {9});
        GiveAway(path);
        ASSERT_EQ(::chmod(path.c_str(), mode), 0);
        FileState expected = StateOf(path);
        expected.bytes = {1, 2, 3};
        ASSERT_TRUE(WriteFileSafely(path, expected.bytes, "SaveTSN").ok());
        EXPECT_EQ(StateOf(path), expected) << std::oct << mode;
    }
}

// A save through a link updates the file the link leads to; every link stays as it was.
TEST(SafeWrite, SavesThroughSymbolicLinks) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> links;  // link path, link text
        std::string saved;                                       // the file the save lands on
        bool existed;
    };
    const Case cases[] = {
        {"relative", {{"a/link.qv", "real.qv"}}, "a/real.qv", true},
        {"chain across folders",
         {{"a/link.qv", "../b/mid.qv"}, {"b/mid.qv", "sub/real.qv"}},
         "b/sub/real.qv",
         true},
        {"absolute", {{"a/link.qv", "@/b/real.qv"}}, "b/real.qv", true},
        {"dangling", {{"a/link.qv", "../b/new.qv"}}, "b/new.qv", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        for (const char* sub : {"a", "b/sub"}) std::filesystem::create_directories(dir.file(sub));
        if (c.existed) testing::WriteBytes(dir.file(c.saved), {4, 4});
        for (const auto& [link, text] : c.links) {
            const std::string target = text[0] == '@' ? dir.path().string() + text.substr(1) : text;
            ASSERT_EQ(::symlink(target.c_str(), dir.file(link).c_str()), 0);
        }
        const std::vector<uint8_t> data{1, 2, 3};
        ASSERT_TRUE(WriteFileSafely(dir.file(c.links.front().first), data, "SaveQV").ok());
        EXPECT_EQ(testing::ReadBytes(dir.file(c.saved)), data);
        for (const auto& [link, text] : c.links) {
            EXPECT_TRUE(std::filesystem::is_symlink(dir.file(link))) << link;
        }
        size_t entries = 0;
        for (const auto& e : std::filesystem::recursive_directory_iterator(dir.path())) {
            EXPECT_NE(e.path().filename().string()[0], '.') << e.path();
            ++entries;
        }
        EXPECT_EQ(entries, 4 + c.links.size());  // a, b, b/sub, the links and the saved file
    }
}

TEST(SafeWrite, LinkLoopIsAnErrorAndChangesNothing) {
    testing::TempDir dir;
    ASSERT_EQ(::symlink("two.qv", dir.file("one.qv").c_str()), 0);
    ASSERT_EQ(::symlink("one.qv", dir.file("two.qv").c_str()), 0);
    const std::vector<uint8_t> data{1};
    const auto st = WriteFileSafely(dir.file("one.qv"), data, "SaveQV");
    ASSERT_FALSE(st.ok());
    EXPECT_NE(st.error().description.find("Too many levels of symbolic links"), std::string::npos);
    EXPECT_EQ(std::filesystem::read_symlink(dir.file("one.qv")), "two.qv");
    EXPECT_EQ(std::filesystem::read_symlink(dir.file("two.qv")), "one.qv");
    EXPECT_EQ(testing::FilesIn(dir.path()).size(), 2u);
}

// The temporary name does not grow with the target's: a name of the longest legal length can
// be saved, created and replaced.
TEST(SafeWrite, LongestLegalNamesCanBeSaved) {
    testing::TempDir dir;
    for (const size_t length : {size_t{250}, size_t{255}}) {
        const std::string name = std::string(length - 3, 'n') + ".qv";
        const auto path = dir.file(name);
        for (const int value : {1, 2}) {
            const std::vector<uint8_t> data(10, static_cast<uint8_t>(value));
            ASSERT_TRUE(WriteFileSafely(path, data, "SaveQV").ok()) << length;
            EXPECT_EQ(testing::ReadBytes(path), data);
        }
        std::filesystem::remove(path);
        EXPECT_TRUE(testing::FilesIn(dir.path()).empty());
    }
}

}  // namespace
}  // namespace tsn
