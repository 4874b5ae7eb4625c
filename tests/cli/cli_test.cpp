// tessarin-cli as a user runs it: exit statuses, the verify report and its text export, traces.
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/run.h"
#include "files/player_progress.h"
#include "files/player_record.h"
#include "files/qv_file.h"
#include "files/tsn_file.h"
#include "sample_levels.h"
#include "temp_dir.h"
#include "test_level.h"
#include "workbook_cells.h"

namespace tsn {
namespace {

struct Output {
    int status = -1;
    std::string out;
};

Output RunCli(const std::string& arguments) {
    Output o;
    const std::string command = std::string(TESSARIN_CLI) + " " + arguments + " 2>/dev/null";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) return o;
    char buf[4096];
    size_t n = 0;
    while ((n = fread(buf, 1, sizeof buf, pipe)) > 0) o.out.append(buf, n);
    const int raw = pclose(pipe);
    o.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    return o;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

SaveOptions Options() {
    SaveOptions o;
    o.signature.mySignature = "cli test";
    o.signature.dateTime = "today";
    o.signature.version = "1.0.0";
    return o;
}

// A standard level without Murphy: every run of it is lost after the 64-frame lead-out, so a
// recording of it replays to "Failed" with equal frame counts.
std::vector<std::string> LevelWithoutMurphy() {
    std::vector<std::string> rows(24, std::string(60, '#'));
    for (int y = 1; y < 23; ++y) rows[static_cast<size_t>(y)] = "#" + std::string(58, '.') + "#";
    rows[3][5] = 'I';
    rows[10][30] = 'b';
    return rows;
}

void SaveRecordedRun(const std::string& path, bool asQv) {
    GameState s = test::MakeLevel(LevelWithoutMurphy());
    s.RandomSeed = 77;
    s.StartRandomSeed = 77;
    BeginRun(s);
    RunHeadless(s, [](int64_t f) { return static_cast<int>(f % 10); }, 1000);
    s.Info.setRandomSeed(s.StartRandomSeed);
    const FileStatus st = asQv ? SaveQV(s, path, false, Options())
                               : SaveTSN(s, path, false, false, Options());
    ASSERT_TRUE(st) << st.error().Text();
}

TEST(Cli, UsageErrorsExitWithTwo) {
    EXPECT_EQ(RunCli("").status, 2);
    EXPECT_EQ(RunCli("frobnicate").status, 2);
    EXPECT_EQ(RunCli("verify").status, 2);
    EXPECT_EQ(RunCli("verify --jobs 0 x").status, 2);
    EXPECT_EQ(RunCli("trace").status, 2);
    EXPECT_EQ(RunCli("trace x.qv --demo --actions 123").status, 2);
    EXPECT_EQ(RunCli("trace x.qv --actions 12a").status, 2);
    EXPECT_EQ(RunCli("info").status, 2);
}

TEST(Cli, VerifyReportsEveryKindOfFileInSortedOrder) {
    testing::TempDir dir;
    SaveRecordedRun(dir.file("b.qv"), true);
    std::filesystem::create_directories(dir.path() / "sub");
    SaveRecordedRun(dir.file("sub/a.TSN"), false);
    {
        GameState clean = test::MakeLevel(LevelWithoutMurphy());
        ASSERT_TRUE(SaveQV(clean, dir.file("c.qv"), true, Options()));
    }
    std::ofstream(dir.file("d.tsn")) << "not a level";
    std::ofstream(dir.file("notes.txt")) << "ignored";

    const std::string csv = dir.file("result.txt");
    const std::string xlsx = dir.file("result.xlsx");
    const Output o = RunCli("verify " + dir.path().string() + " --csv " + csv + " --xlsx " + xlsx +
                            " --jobs 2");
    EXPECT_EQ(o.status, 1);  // not every demo succeeded
    const auto lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 6u) << o.out;
    EXPECT_EQ(lines[0], "File N\tPath\tSteps\tFrames Read\tFrames Played\tSolved\tError");
    EXPECT_EQ(lines[1], "00001\t" + dir.file("b.qv") + "\t00000\t64\t64\tFailed\t");
    EXPECT_EQ(lines[2], "00002\t" + dir.file("c.qv") + "\t00000\t0\t0\tNA\tDemo not found!");
    EXPECT_EQ(lines[3], "00003\t" + dir.file("d.tsn") + "\t00000\t0\t0\tNA\tError opening file");
    EXPECT_EQ(lines[4], "00004\t" + dir.file("sub/a.TSN") + "\t00000\t64\t64\tFailed\t");
    EXPECT_EQ(lines[5], "4 demos: 0 succeeded, 4 failed");

    const auto text = testing::ReadBytes(csv);
    const std::string expected =
        "ID,File N,Path,Steps,Frames Read,Frames Played,Solved,Error\r\n"
        "00001," + dir.file("b.qv") + ",00000,64,64,Failed,\r\n"
        "00002," + dir.file("c.qv") + ",00000,0,0,NA,Demo not found!\r\n"
        "00003," + dir.file("d.tsn") + ",00000,0,0,NA,Error opening file\r\n"
        "00004," + dir.file("sub/a.TSN") + ",00000,64,64,Failed,\r\n";
    EXPECT_EQ(std::string(text.begin(), text.end()), expected);
    if (testing::UnzipAvailable()) {
        const auto cells = testing::SheetCells(xlsx);
        EXPECT_EQ(cells.at("G1"), "Error");
        EXPECT_EQ(cells.at("B5"), dir.file("sub/a.TSN"));
        EXPECT_EQ(cells.at("D5"), "64");
        EXPECT_EQ(cells.at("G3"), "Demo not found!");
        EXPECT_EQ(cells.count("A6"), 0u);
    }

    // Any number of jobs reports the same.
    EXPECT_EQ(RunCli("verify " + dir.path().string() + " --jobs 1").out, o.out);
}

TEST(Cli, VerifySucceedsWhenEveryDemoSolvesItsLevel) {
    testing::TempDir dir;
    GameState s = test::MakeLevel(test::CorridorLevel());
    s.RandomSeed = 5;
    s.StartRandomSeed = 5;
    BeginRun(s);
    const auto run = RunHeadless(s, test::CorridorScript, 5000);
    ASSERT_TRUE(run.solved);
    s.Info.setRandomSeed(s.StartRandomSeed);
    ASSERT_TRUE(SaveTSN(s, dir.file("solved.tsn"), false, false, Options()));
    const Output o = RunCli("verify " + dir.file("solved.tsn"));
    EXPECT_EQ(o.status, 0) << o.out;
    const auto lines = Lines(o.out);
    ASSERT_EQ(lines.size(), 3u);
    const std::string frames = std::to_string(run.frames);
    char steps[8];
    std::snprintf(steps, sizeof steps, "%05d", run.steps);
    EXPECT_EQ(lines[1], "00001\t" + dir.file("solved.tsn") + "\t" + steps + "\t" + frames + "\t" +
                            frames + "\tSuccess\t");
    EXPECT_EQ(lines[2], "1 demos: 1 succeeded, 0 failed");
}

TEST(Cli, VerifyOfAnEmptyFolderSucceedsWithNoRows) {
    testing::TempDir dir;
    const Output o = RunCli("verify " + dir.path().string());
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(Lines(o.out).size(), 2u);
    EXPECT_EQ(RunCli("verify " + dir.file("nothing-here")).status, 1);
}

TEST(Cli, TraceIsRepeatableAndEndsWithASummary) {
    testing::TempDir dir;
    SaveRecordedRun(dir.file("t.qv"), true);
    const Output a = RunCli("trace " + dir.file("t.qv") + " --demo");
    const Output b = RunCli("trace " + dir.file("t.qv") + " --demo");
    ASSERT_EQ(a.status, 0);
    EXPECT_EQ(a.out, b.out);
    const auto lines = Lines(a.out);
    ASSERT_EQ(lines.size(), 66u);
    EXPECT_EQ(lines[0], "# frame murphy input infotrons reddisks seed solved leadout steps fieldhash");
    EXPECT_EQ(lines.back(), "end frames=64 solved=0 steps=0");
    // Frame 1: no Murphy (cell FieldUpper), the demo's first action, one Infotron needed, the
    // lead-out started and counted down once, and a 16-digit field hash.
    std::istringstream first(lines[1]);
    std::vector<std::string> f;
    for (std::string w; first >> w;) f.push_back(w);
    ASSERT_EQ(f.size(), 10u);
    EXPECT_EQ(f[0], "1");
    EXPECT_EQ(f[1], "1439");
    EXPECT_EQ(f[2], "0");
    EXPECT_EQ(f[3], "1");
    EXPECT_EQ(f[7], "63");
    EXPECT_EQ(f[9].size(), 16u);

    // Actions and seed given on the command line; the frame limit stops the run.
    const Output c = RunCli("trace " + dir.file("t.qv") + " --actions 4444 --seed 9 --frames 3");
    const auto cl = Lines(c.out);
    ASSERT_EQ(cl.size(), 5u);
    EXPECT_EQ(cl.back(), "end frames=3 solved=0 steps=0");
    EXPECT_EQ(cl[1].substr(0, 9), "1 1439 4 ");
}

TEST(Cli, InfoShowsAPlayerFilesProgressAndRefusesACorruptOne) {
    testing::TempDir dir;
    PlayerRecord r = NewPlayerRecord("Ada", "ada@example.org", std::string(32, 'D'));
    ASSERT_TRUE(RecordSolvedRun(r, kProgressMode, 0, 61000, 300));
    ASSERT_TRUE(RecordUnsolvedRun(r, kProgressMode, 0, 5000, 20));
    ASSERT_TRUE(SetLevelState(r, 2, kSkipped));
    ASSERT_TRUE(RecordUnsolvedRun(r, kProgressMode, 110, 3600000, 7));
    std::vector<uint8_t> bytes = EncodePlayerFile(r);
    testing::WriteBytes(dir.file("player.lst"), bytes);
    const Output o = RunCli("info " + dir.file("player.lst"));
    ASSERT_EQ(o.status, 0);
    const std::vector<std::string> expected = {
        dir.file("player.lst") + ": player file",
        "  player: \"Ada\"",
        "  e-mail: \"ada@example.org\"",
        "  level digest: " + std::string(32, 'D'),
        "  all levels completed: no",
        "  total play time: 01:01:06",
        "  level 001: solved, 2 runs, 320 steps, best 300 steps, play time 00:01:06",
        "  level 003: skipped, 0 runs, 0 steps, best 0 steps, play time 00:00:00",
        "  level 111: not played, 1 run, 7 steps, best 0 steps, play time 01:00:00",
    };
    EXPECT_EQ(Lines(o.out), expected);

    bytes[100] ^= 1;
    testing::WriteBytes(dir.file("bad.lst"), bytes);
    const Output bad = RunCli("info " + dir.file("bad.lst"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
}

// A run saved after frame K and resumed prints, from frame K + 1 on, exactly the lines of the
// run that was never interrupted; the save itself changes nothing of the run it was made in.
TEST(Cli, TraceResumedFromASavedGameEqualsTheUninterruptedRun) {
    testing::TempDir dir;
    const std::string levels = std::string(TESSARIN_LEVEL_DATA) + "/solutions/";
    const std::string keys = "0123456789012345678901234567890123456789" + std::string(200, '4') +
                             std::string(200, '2') + std::string(200, '1');
    struct Case {
        std::string file, run, seed;
        std::vector<int> at;
    };
    // The seed of a keyboard run is the saved game's on resume.
    for (const Case& c : {Case{levels + "036.qv", " --demo", "", {0, 151, 431}},
                          Case{levels + "044.qv", " --frames 700 --actions " + keys, " --seed 5", {60, 333}},
                          Case{std::string(TESSARIN_LEVEL_DATA) + "/LEVELS.DAT", " --level 3 --frames 300 --actions " + keys, " --seed 9", {120}}}) {
        const Output full = RunCli("trace " + c.file + c.run + c.seed);
        ASSERT_EQ(full.status, 0);
        const auto fl = Lines(full.out);
        for (int k : c.at) {
            SCOPED_TRACE(c.file + " saved after frame " + std::to_string(k));
            const std::string tss = dir.file("at" + std::to_string(k) + ".tss");
            const Output saving = RunCli("trace " + c.file + c.run + c.seed + " --save-at " + std::to_string(k) + " " + tss);
            EXPECT_EQ(saving.status, 0);
            EXPECT_TRUE(saving.out == full.out);
            const Output resumed = RunCli("trace " + c.file + c.run + " --resume " + tss);
            ASSERT_EQ(resumed.status, 0);
            const auto rl = Lines(resumed.out);
            ASSERT_EQ(rl.size() + static_cast<size_t>(k), fl.size());
            for (size_t i = 1; i < rl.size(); ++i) ASSERT_EQ(rl[i], fl[i + static_cast<size_t>(k)]);

            const auto info = Lines(RunCli("info " + tss).out);
            ASSERT_EQ(info.size(), 4u);
            EXPECT_EQ(info[2].substr(0, 9 + std::to_string(k).size()), "  frame " + std::to_string(k) + ",");
            EXPECT_EQ(info[3], "  check value: holds");
        }
    }
    // A damaged saved game, one of another level file, and a frame the run never reaches.
    const std::string tss = dir.file("at151.tss");
    std::vector<uint8_t> bytes = testing::ReadBytes(tss);
    bytes[bytes.size() / 2] ^= 1;
    testing::WriteBytes(dir.file("bad.tss"), bytes);
    EXPECT_EQ(RunCli("trace " + levels + "036.qv --demo --resume " + dir.file("bad.tss")).status, 1);
    EXPECT_EQ(RunCli("info " + dir.file("bad.tss")).status, 1);
    EXPECT_EQ(RunCli("trace " + levels + "037.qv --demo --resume " + tss).status, 1);
    EXPECT_EQ(RunCli("trace " + levels + "036.qv --resume " + tss).status, 1);
    EXPECT_EQ(RunCli("trace " + levels + "036.qv --demo --save-at 9999 " + dir.file("x.tss")).status, 1);
    // The saved game may not replace the level file.
    testing::WriteBytes(dir.file("036.qv"), testing::ReadBytes(levels + "036.qv"));
    EXPECT_EQ(RunCli("trace " + dir.file("036.qv") + " --demo --save-at 5 " + dir.file("036.qv")).status, 1);
    EXPECT_TRUE(testing::ReadBytes(dir.file("036.qv")) == testing::ReadBytes(levels + "036.qv"));
}

}  // namespace
}  // namespace tsn
