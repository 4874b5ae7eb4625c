// tessarin-cli convert between .qv, .tsn and the levels of a set, and the help every command
// gives.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "cli_runner.h"
#include "engine/game_state.h"
#include "files/level_record.h"
#include "files/tsn_header.h"
#include "temp_dir.h"
#include "test_level.h"

namespace tsn {
namespace {

using testing::CliResult;
using testing::ReadBytes;
using testing::RunCli;
using testing::WriteBytes;

const std::string kLevels = TESSARIN_LEVEL_DATA;

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// The verify report's rows without the file names: steps, frames held, frames played, verdict.
std::vector<std::string> Verdicts(const std::string& report) {
    std::vector<std::string> rows;
    size_t start = 0;
    for (size_t end; (end = report.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = report.substr(start, end - start);
        const size_t path = line.find('\t');
        const size_t after = path == std::string::npos ? path : line.find('\t', path + 1);
        if (after != std::string::npos) rows.push_back(line.substr(after));
    }
    return rows;
}

TEST(CliConvert, SolutionsTravelThroughContainersAndBackUnchanged) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() / "tsn");
    // Every tenth solution: each process start costs more than the conversion.
    std::vector<std::string> names;
    for (const auto& e : std::filesystem::directory_iterator(kLevels + "/solutions")) names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    ASSERT_GE(names.size(), 10u);
    for (size_t i = 0; i < names.size(); ++i) names[i / 10] = names[i - i % 10];
    names.resize((names.size() + 9) / 10);
    for (const std::string& name : names) {
        const std::string qv = kLevels + "/solutions/" + name + ".qv";
        const std::string tsn = dir.file("tsn/" + name + ".tsn");
        const std::string back = dir.file(name + ".qv");
        ASSERT_EQ(RunCli({"convert", qv, tsn}).status, 0) << name;
        ASSERT_EQ(RunCli({"convert", tsn, back}).status, 0) << name;
        EXPECT_EQ(ReadBytes(back), ReadBytes(qv)) << name;
    }
    // Converted demos keep their verdicts and frame counts.
    std::vector<std::string> originals{"verify"}, converted{"verify"};
    for (const std::string& name : names) {
        originals.push_back(kLevels + "/solutions/" + name + ".qv");
        converted.push_back(dir.file("tsn/" + name + ".tsn"));
    }
    const CliResult before = RunCli(originals);
    const CliResult after = RunCli(converted);
    EXPECT_EQ(after.status, 0);
    EXPECT_EQ(Verdicts(after.out), Verdicts(before.out));
    EXPECT_EQ(Verdicts(after.out).size(), names.size() + 1);  // and the heading
}

TEST(CliConvert, LevelsOfASetAndIntoASet) {
    testing::TempDir dir;
    const std::string set = dir.file("set.dat");
    const std::vector<uint8_t> original = ReadBytes(kLevels + "/LEVELS.DAT");
    WriteBytes(set, original);
    const auto record = [](const std::vector<uint8_t>& bytes, int n) {
        const auto start = bytes.begin() + kStandardRecordSize * (n - 1);
        return std::vector<uint8_t>(start, start + kStandardRecordSize);
    };

    // A level of the set becomes a .qv file of exactly its record.
    ASSERT_EQ(RunCli({"convert", set, dir.file("two.qv"), "--level", "2"}).status, 0);
    EXPECT_EQ(ReadBytes(dir.file("two.qv")), record(original, 2));

    // A solution without its demo replaces level 3; every other byte of the set stays.
    const std::string solution = kLevels + "/solutions/001.qv";
    const std::vector<uint8_t> solutionRecord = record(ReadBytes(solution), 1);
    ASSERT_EQ(RunCli({"convert", solution, set, "--level", "3", "--clean"}).status, 0);
    std::vector<uint8_t> expected = original;
    std::copy(solutionRecord.begin(), solutionRecord.end(), expected.begin() + 2 * kStandardRecordSize);
    EXPECT_EQ(ReadBytes(set), expected);

    // --clean leaves the demo behind.
    ASSERT_EQ(RunCli({"convert", solution, dir.file("clean.tsn"), "--clean"}).status, 0);
    ASSERT_EQ(RunCli({"convert", dir.file("clean.tsn"), dir.file("clean.qv")}).status, 0);
    EXPECT_EQ(ReadBytes(dir.file("clean.qv")), solutionRecord);
}

TEST(CliConvert, WhatTheTargetCannotHoldIsRefused) {
    testing::TempDir dir;
    const GameState small = test::MakeLevel({"#####", "#M.E#", "#####"});
    WriteBytes(dir.file("small.tsn"), TsnBytes(5, 3, FieldCodesForFile(small.FieldBytes), small.Info, {}));
    const std::vector<uint8_t> set = ReadBytes(kLevels + "/LEVELS.DAT");
    WriteBytes(dir.file("set.dat"), set);
    const std::string solution = kLevels + "/solutions/001.qv";
    const struct {
        std::vector<std::string> args;
        std::string message;
    } cases[] = {
        {{dir.file("small.tsn"), dir.file("small.qv")}, "a .qv file holds only 60 x 24 levels"},
        {{dir.file("small.tsn"), dir.file("set.dat"), "--clean"}, "a level set holds only 60 x 24 levels"},
        {{solution, dir.file("set.dat")}, "a level set holds none; --clean"},
        {{solution, dir.file("set.dat"), "--level", "200", "--clean"}, "Level 200 is not in the set"},
        {{solution, dir.file("missing.d07"), "--clean"}, "only replace a level of an existing set"},
        {{solution, dir.file("level.txt")}, "the name does not tell the kind of file"},
        {{dir.file("nothing.qv"), dir.file("x.tsn")}, "nothing.qv"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"convert"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        const CliResult r = RunCli(args);
        EXPECT_EQ(r.status, 1) << c.message;
        EXPECT_TRUE(Contains(r.err, "tessarin-cli convert: ") && Contains(r.err, c.message)) << r.err;
    }
    EXPECT_EQ(ReadBytes(dir.file("set.dat")), set);
    for (const char* name : {"small.qv", "missing.d07", "level.txt", "x.tsn"})
        EXPECT_FALSE(std::filesystem::exists(dir.file(name))) << name;
}

TEST(CliHelp, EveryCommandListsItsOptionsWithAnExample) {
    const struct {
        std::string command;
        std::vector<std::string> options;
        std::vector<std::string> badArgs;
    } cases[] = {
        {"info", {"FILE..."}, {"--wide", "a.qv"}},
        {"verify", {"--csv FILE", "--xlsx FILE", "--jobs N", "--max-frames N", "--rules RULES"}, {"--jobs", "0", "x"}},
        {"trace",
         {"--level N", "--demo", "--actions DIGITS", "--seed S", "--frames MAX", "--rules RULES", "--save-at K OUT.tss",
          "--resume SAVED.tss"},
         {"a.qv", "--frames"}},
        {"convert", {"--level N", "--clean"}, {"a.qv", "b.tsn", "--level", "0"}},
    };
    const CliResult overview = RunCli({"--help"});
    EXPECT_EQ(overview.status, 0);
    for (const auto& c : cases) {
        const CliResult help = RunCli({c.command, "--help"});
        EXPECT_EQ(help.status, 0) << c.command;
        EXPECT_TRUE(Contains(help.out, "example:\n  tessarin-cli " + c.command)) << help.out;
        for (const auto& option : c.options) {
            EXPECT_TRUE(Contains(help.out, option)) << c.command << " " << option;
            EXPECT_TRUE(Contains(overview.out, option)) << c.command << " " << option;
        }
        EXPECT_TRUE(Contains(overview.out, "\ntessarin-cli " + c.command + " ")) << c.command;

        std::vector<std::string> bad{c.command};
        bad.insert(bad.end(), c.badArgs.begin(), c.badArgs.end());
        const CliResult wrong = RunCli(bad);
        EXPECT_EQ(wrong.status, 2) << c.command;
        EXPECT_TRUE(Contains(wrong.err, "usage: tessarin-cli " + c.command)) << wrong.err;
    }
    EXPECT_EQ(RunCli({"frobnicate"}).status, 2);
    EXPECT_EQ(RunCli({"info", "--", "--help"}).status, 1);  // a file named "--help"
}

}  // namespace
}  // namespace tsn
