// tessarin-cli against hostile files and odd targets: huge sparse files, containers whose levels
// share their data, demos that run for millions of frames, paths that break lines and fields,
// folders that cannot be read, results files that name a demo.
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "files/qv_file.h"
#include "files/tsn_header.h"
#include "level_bytes.h"
#include "temp_dir.h"
#include "test_level.h"

#if defined(__SANITIZE_ADDRESS__)
#define TSN_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TSN_ASAN 1
#endif
#endif

namespace tsn {
namespace {

namespace fs = std::filesystem;
using testing::CliResult;
using testing::CliRun;
using testing::RunCli;

bool Contains(const std::string& text, const std::string& what) {
    return text.find(what) != std::string::npos;
}

size_t CountOf(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
}

// A standard level with Murphy shut in by hardware: he lives as long as the demo runs.
std::vector<uint8_t> ShutInRecord() {
    std::vector<std::string> rows(24, std::string(60, '#'));
    rows[1] = "#M#" + std::string(57, '#');
    const GameState s = test::MakeLevel(rows);
    auto built = BuildQV(s, true, SaveOptions{});
    return built ? built->bytes : std::vector<uint8_t>{};
}

// The level with a demo of `keys` (first byte 129, end marker 255).
std::vector<uint8_t> QvWithDemo(const std::vector<uint8_t>& keys) {
    auto bytes = ShutInRecord();
    bytes.push_back(129);
    testing::Append(bytes, keys);
    bytes.push_back(255);
    return bytes;
}

void WriteShortDemo(const std::string& path) { testing::WriteBytes(path, QvWithDemo({0x30, 0x00})); }

// A file of `size` bytes that takes no disk space beyond `head`.
void WriteSparse(const std::string& path, const std::vector<uint8_t>& head, uintmax_t size) {
    testing::WriteBytes(path, head);
    fs::resize_file(path, size);
}

std::string Row(const std::string& path, const std::string& rest) { return "\t" + path + "\t" + rest; }

TEST(CliHostileFiles, FilesAboveTheLimitAreRefusedWithoutStoppingTheBatch) {
    const std::vector<uint8_t> tsnHead{'T', 'S', 'N', ' ', 1, 0, 1, 0};
    struct Case {
        const char* name;
        uintmax_t size;
        std::vector<uint8_t> head;
    };
    const std::vector<Case> cases = {
        {"huge.qv", uintmax_t{64} << 30, {}},
        {"two-gib.qv", uintmax_t{2} << 30, {}},
        {"two-gib.tsn", uintmax_t{2} << 30, tsnHead},
        {"three-gib.dat", uintmax_t{3} << 30, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TempDir dir;
        const std::string big = dir.file(c.name);
        WriteSparse(big, c.head, c.size);
        WriteShortDemo(dir.file("good.qv"));

        const CliResult info = RunCli({"info", big, dir.file("good.qv")});
        EXPECT_EQ(info.status, 1);
        EXPECT_TRUE(Contains(info.err, "level files are limited to 2147483647 bytes")) << info.err;
        EXPECT_TRUE(Contains(info.out, "good.qv: single level with demo block")) << info.out;

        if (c.name != std::string("three-gib.dat")) {
            const std::string csv = dir.file("results.txt");
            const CliResult v = RunCli({"verify", dir.path().string(), "--csv", csv});
            EXPECT_EQ(v.status, 1);
            EXPECT_TRUE(Contains(v.out, Row(big, "00000\t0\t0\tNA\tError opening file\n"))) << v.out;
            EXPECT_TRUE(Contains(v.out, Row(dir.file("good.qv"), ""))) << v.out;
            EXPECT_TRUE(Contains(v.err, big + ": The file is " + std::to_string(c.size) + " bytes long"))
                << v.err;
            const auto results = testing::ReadBytes(csv);
            EXPECT_EQ(CountOf(std::string(results.begin(), results.end()), "\r\n"), 3u);
        }
        EXPECT_EQ(fs::file_size(big), c.size);
    }
}

TEST(CliHostileFiles, RunningOutOfMemoryFailsOneFileNotTheBatch) {
#ifdef TSN_ASAN
    GTEST_SKIP() << "the address sanitizer's allocator ends the process instead of throwing";
#else
    testing::TempDir dir;
    const std::string big = dir.file("a-big.qv");
    WriteSparse(big, {}, uintmax_t{3} << 29);  // 1.5 GiB: below the limit, above the memory
    WriteShortDemo(dir.file("b.qv"));
    const auto limitMemoryTo = [](uintmax_t bytes) {
        return [bytes] {
            const rlimit lim{bytes, bytes};
            return setrlimit(RLIMIT_AS, &lim) == 0;
        };
    };
    const auto limitMemory = limitMemoryTo(uintmax_t{1} << 30);
    const std::string csv = dir.file("results.txt");
    const CliResult v = RunCli(CliRun{{"verify", "--csv", csv, "--", dir.path().string()}, false, limitMemory});
    EXPECT_EQ(v.status, 1);
    EXPECT_TRUE(Contains(v.out, Row(big, "00000\t0\t0\tNA\tError opening file\n"))) << v.out;
    EXPECT_TRUE(Contains(v.out, Row(dir.file("b.qv"), ""))) << v.out;
    EXPECT_TRUE(Contains(v.err, big + ": Not enough memory")) << v.err;
    EXPECT_TRUE(fs::exists(csv));

    const CliResult info = RunCli(CliRun{{"info", big, dir.file("b.qv")}, false, limitMemory});
    EXPECT_EQ(info.status, 1);
    EXPECT_TRUE(Contains(info.err, "Not enough memory")) << info.err;
    EXPECT_TRUE(Contains(info.out, "b.qv: single level with demo block")) << info.out;

    // A file that fits in memory once is read: it is never held twice. Its zero bytes are a
    // demo of one frame each. The limit is counted from what the program needs to start (its
    // libraries differ between builds): room for the file once and a half, not twice.
    uintmax_t low = 0, high = uintmax_t{1} << 30;  // in bytes; the program starts at `high`
    while (high - low > (uintmax_t{4} << 20)) {
        const uintmax_t mid = low + (high - low) / 2;
        const bool starts = RunCli(CliRun{{"info", dir.file("b.qv")}, false, limitMemoryTo(mid)}).status == 0;
        (starts ? high : low) = mid;
    }
    const std::string fits = dir.file("fits.qv");
    const uintmax_t size = uintmax_t{96} << 20;
    WriteSparse(fits, {}, size);
    const CliResult once =
        RunCli(CliRun{{"verify", "--max-frames", "10", fits}, false, limitMemoryTo(high + size + size / 2)});
    EXPECT_EQ(once.status, 1);
    EXPECT_TRUE(Contains(once.out, Row(fits, "00000\t" + std::to_string(size - 1536 - 1) +
                                                 "\t10\tFailed\tFrame limit reached\n")))
        << once.out << once.err;
#endif
}

// Every directory entry of the container points at the same level with a long demo and a long
// signature: each level would be read, scanned and kept again.
TEST(CliHostileFiles, ContainerLevelsSharingTheirDataAreReadOnce) {
    testing::TempDir dir;
    auto level = testing::MakeRecord(60, 24, "Shared");
    level.push_back(129);
    level.insert(level.end(), 50000, 0x00);
    level.push_back(255);
    level.insert(level.end(), 20000, 'S');
    level.push_back(255);
    constexpr int kCount = 32767;
    const int64_t position = 8 + 12 * kCount + 1;
    const std::vector<testing::Entry> entries(
        kCount, testing::Entry{60, 24, position, static_cast<int64_t>(level.size())});
    testing::WriteBytes(dir.file("shared.tsn"), testing::MakeContainer(1, kCount, entries, level));

    const CliResult info = RunCli({"info", dir.file("shared.tsn")});
    EXPECT_EQ(info.status, 1);
    EXPECT_EQ(CountOf(info.out, "demo: 50000 frames"), 1u);
    EXPECT_EQ(CountOf(info.out, "unreadable: The data of level "), static_cast<size_t>(kCount - 1));
    EXPECT_TRUE(Contains(info.out, "level 32767: unreadable: The data of level 32767 overlaps the "
                                   "data of level 1\n"));
}

// 65536 bytes of sixteen frames each, a little over a million frames, on a level of 3 × 3 cells
// with Murphy shut in.
TEST(CliVerify, MaxFramesStopsALongDemoAndProgressShowsOnATerminal) {
    testing::TempDir dir;
    const std::string path = dir.file("long.tsn");
    const GameState s = test::MakeLevel({"###", "#M#", "###"});
    std::vector<uint8_t> demo{129};
    demo.insert(demo.end(), 65536, 0xF0);
    demo.push_back(255);
    testing::WriteBytes(path, TsnBytes(3, 3, FieldCodesForFile(s.FieldBytes), s.Info, demo));
    const std::vector<std::string> args{"verify", "--max-frames", "70000", path};

    const CliResult onTerminal = RunCli(CliRun{args, true, {}});
    EXPECT_EQ(onTerminal.status, 1);
    EXPECT_TRUE(Contains(onTerminal.out, Row(path, "00000\t1048576\t70000\tFailed\tFrame limit reached\n")))
        << onTerminal.out;
    EXPECT_TRUE(Contains(onTerminal.err, "long.tsn: frame 65536 of 1048576")) << onTerminal.err;

    const CliResult piped = RunCli(args);
    EXPECT_EQ(piped.out, onTerminal.out);
    EXPECT_EQ(piped.err, "");

    const CliResult help = RunCli({"--help"});
    EXPECT_TRUE(Contains(help.out, "--max-frames N")) << help.out;
    EXPECT_TRUE(Contains(help.out, "\"Frame limit reached\"")) << help.out;
    EXPECT_EQ(RunCli({"verify", "--max-frames", "0", path}).status, 2);
}

TEST(CliVerify, JobsAreCappedAndFallBackWhenTheSystemRefusesThreads) {
    testing::TempDir dir;
    for (const char* name : {"a.qv", "b.qv", "c.qv"}) WriteShortDemo(dir.file(name));
    const CliResult one = RunCli({"verify", "--jobs", "1", dir.path().string()});
    ASSERT_EQ(one.status, 1);  // the short demos end before any exit

    const CliResult many = RunCli({"verify", "--jobs", "4096", dir.path().string()});
    EXPECT_EQ(many.status, one.status);
    EXPECT_EQ(many.out, one.out);
    EXPECT_EQ(many.err, "");

    // A default thread stack larger than the address space: no thread can be started.
    const auto hugeStacks = [] {
        const rlimit lim{uintmax_t{1} << 48, uintmax_t{1} << 48};
        return setrlimit(RLIMIT_STACK, &lim) == 0;
    };
    const CliResult refused = RunCli(CliRun{{"verify", "--jobs", "3", dir.path().string()}, false, hugeStacks});
    EXPECT_EQ(refused.status, one.status);
    EXPECT_EQ(refused.out, one.out);
    EXPECT_TRUE(Contains(refused.err, "the system refused threads; verifying on 1")) << refused.err;
}

TEST(CliVerify, ResultsNeverReplaceADemoBeingVerified) {
    testing::TempDir dir;
    WriteShortDemo(dir.file("a.qv"));
    WriteShortDemo(dir.file("b.qv"));
    const auto before = testing::ReadBytes(dir.file("a.qv"));
    fs::create_symlink(dir.file("a.qv"), dir.file("link.txt"));
    fs::create_hard_link(dir.file("a.qv"), dir.file("hard.txt"));
    for (const std::string& csv : {dir.file("a.qv"), (dir.path() / "." / "a.qv").string(),
                                  dir.file("link.txt"), dir.file("hard.txt")}) {
        SCOPED_TRACE(csv);
        const CliResult r = RunCli({"verify", dir.path().string(), "--csv", csv});
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(Contains(r.err, "being verified")) << r.err;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(testing::ReadBytes(dir.file("a.qv")), before);
        EXPECT_TRUE(fs::is_symlink(dir.file("link.txt")));
    }
    const auto names = testing::FilesIn(dir.path());
    const CliResult empty = RunCli({"verify", dir.path().string(), "--csv", ""});
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(testing::FilesIn(dir.path()), names);
}

TEST(CliVerify, PathsThatCannotBeVerifiedAreReportedAndFailTheRun) {
    testing::TempDir dir;
    WriteShortDemo(dir.file("good.qv"));
    WriteShortDemo(dir.file("x.dat"));
    std::ofstream(dir.file("plain")) << "a file, not a folder";
    fs::create_directories(dir.path() / "links");
    fs::create_symlink(dir.file("gone"), dir.path() / "links" / "gone.qv");
    struct Case {
        std::string path;
        std::string reason;
    };
    const std::vector<Case> cases = {
        {dir.file("x.dat"), "not a demo file (.qv or .tsn)"},
        {dir.file("plain/sub"), "Not a directory"},
        {dir.file("links/gone.qv"), "not a regular file"},
        {dir.file("missing.tsn"), "not found"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        const std::string given = c.reason == "not a regular file" ? dir.file("links") : c.path;
        const CliResult r = RunCli({"verify", dir.file("good.qv"), given});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.err, c.path + ": " + c.reason)) << r.err;
        EXPECT_TRUE(Contains(r.out, "1 demos: 0 succeeded, 1 failed; 1 path skipped:\n  " + c.path +
                                        ": " + c.reason + "\n"))
            << r.out;
    }
}

// Root reads every folder, so the program then runs as the unprivileged user "nobody".
TEST(CliVerify, FoldersThatCannotBeReadAreReportedAndFailTheRun) {
    testing::TempDir dir;
    const fs::path top = dir.path() / "top";
    fs::create_directories(top / "locked");
    WriteShortDemo((top / "good.qv").string());
    WriteShortDemo((top / "locked" / "hidden.qv").string());
    fs::permissions(top / "locked", fs::perms::none);
    const bool root = geteuid() == 0;
    const auto asUser = [root] { return !root || (setgid(65534) == 0 && setuid(65534) == 0); };
    const auto probe = RunCli(CliRun{{"verify", (top / "good.qv").string()}, false, asUser});
    if (probe.status == 126 || !Contains(probe.out, "1 demos")) {
        fs::permissions(top / "locked", fs::perms::owner_all);
        GTEST_SKIP() << "the unprivileged user cannot reach the test folder";
    }
    const std::string locked = (top / "locked").string();
    for (const std::string& given : {top.string(), locked}) {
        SCOPED_TRACE(given);
        const CliResult r = RunCli(CliRun{{"verify", given}, false, asUser});
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(Contains(r.err, locked + ": cannot read the folder: Permission denied")) << r.err;
        EXPECT_TRUE(Contains(r.out, "path skipped:\n  " + locked + ": cannot read")) << r.out;
    }
    fs::permissions(top / "locked", fs::perms::owner_all);
}

TEST(CliVerify, OddPathsAreQuotedInTheResultsAndEscapedOnTheTerminal) {
    testing::TempDir dir;
    const std::vector<std::string> names = {"a,b.qv", "esc\x1b[2J.qv", "plain.qv", "say \"hi\".qv",
                                            "two\nlines.qv"};
    for (const auto& n : names) WriteShortDemo(dir.file(n));
    const std::string csv = dir.file("results.txt");
    const CliResult r = RunCli({"verify", dir.path().string(), "--csv", csv});
    EXPECT_EQ(r.status, 1);

    const auto bytes = testing::ReadBytes(csv);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(CountOf(text, "\r\n"), 1 + names.size());
    const std::string d = dir.path().string() + "/";
    EXPECT_TRUE(Contains(text, "\r\n00001,\"" + d + "a,b.qv\",00000,")) << text;
    EXPECT_TRUE(Contains(text, "\r\n00002," + d + "esc\x1b[2J.qv,00000,")) << text;
    EXPECT_TRUE(Contains(text, "\r\n00003," + d + "plain.qv,00000,")) << text;
    EXPECT_TRUE(Contains(text, "\r\n00004,\"" + d + "say \"\"hi\"\".qv\",00000,")) << text;
    EXPECT_TRUE(Contains(text, "\r\n00005,\"" + d + "two\nlines.qv\",00000,")) << text;

    EXPECT_EQ(CountOf(r.out, "\n"), 2 + names.size());
    EXPECT_FALSE(Contains(r.out, "\x1b"));
    EXPECT_TRUE(Contains(r.out, "\t" + d + "esc\\x1B[2J.qv\t")) << r.out;
    EXPECT_TRUE(Contains(r.out, "\t" + d + "two\\x0Alines.qv\t")) << r.out;

    const CliResult missing = RunCli({"info", d + "bell\a.qv"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Contains(missing.err, "bell\\x07.qv")) << missing.err;
    EXPECT_FALSE(Contains(missing.err, "\a"));
}

// Names beginning with "-" after "--", in every command; without demo a .qv says so.
TEST(Cli, DoubleDashEndsTheOptionsOfEveryCommand) {
    testing::TempDir dir;
    testing::WriteBytes(dir.file("-clean.qv"), ShutInRecord());
    WriteShortDemo(dir.file("-demo.qv"));
    const std::string folder = dir.path().string();
    const auto inDir = [folder] { return chdir(folder.c_str()) == 0; };
    const auto run = [&](std::vector<std::string> args) { return RunCli(CliRun{std::move(args), false, inDir}); };

    const CliResult info = run({"info", "--", "-clean.qv"});
    EXPECT_EQ(info.status, 0) << info.err;
    EXPECT_TRUE(Contains(info.out, "-clean.qv: single level without demo, 1 level\n")) << info.out;
    EXPECT_EQ(run({"info", "-clean.qv"}).status, 2);

    const CliResult verify = run({"verify", "--", "-demo.qv"});
    EXPECT_EQ(verify.status, 1);
    EXPECT_TRUE(Contains(verify.out, "00001\t-demo.qv\t")) << verify.out;
    EXPECT_EQ(run({"verify", "-demo.qv"}).status, 2);

    const CliResult trace = run({"trace", "--frames", "2", "--", "-clean.qv"});
    EXPECT_EQ(trace.status, 0) << trace.err;
    EXPECT_TRUE(Contains(trace.out, "end frames=2 ")) << trace.out;
    EXPECT_EQ(run({"trace", "-clean.qv"}).status, 2);
}

}  // namespace
}  // namespace tsn
