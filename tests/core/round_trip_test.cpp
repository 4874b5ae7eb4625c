// A scripted run is recorded, saved with its level, and replayed from the file: the replay must
// solve the level in exactly the recorded number of frames, whatever the file format.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/field_hash.h"
#include "engine/run.h"
#include "files/last_run.h"
#include "files/level_source.h"
#include "files/qv_file.h"
#include "files/read_level.h"
#include "files/tsn_file.h"
#include "run/demo_verification.h"
#include "run/run_setup.h"
#include "sample_levels.h"
#include "temp_dir.h"
#include "test_level.h"

namespace tsn {
namespace {

struct Recorded {
    int64_t frames = 0;
    int steps = 0;
    std::vector<uint64_t> hashes;
};

Recorded RecordRun(GameState& s) {
    s.RandomSeed = 0x1234;
    s.StartRandomSeed = s.RandomSeed;
    BeginRun(s);
    Recorded r;
    const auto result = RunHeadless(s, test::CorridorScript, 5000, [&](const GameState& g) {
        r.hashes.push_back(FieldHash(g));
    });
    r.frames = result.frames;
    r.steps = result.steps;
    EXPECT_TRUE(result.solved);
    EXPECT_FALSE(result.stoppedAtLimit);
    return r;
}

SaveOptions TestSaveOptions() {
    SaveOptions o;
    o.signature.mySignature = "round trip";
    o.signature.dateTime = "2026-12-06 12:00:00";
    o.signature.version = "1.0.0";
    return o;
}

class RoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(RoundTrip, ReplayFromTheFileSolvesInTheRecordedFrames) {
    testing::TempDir dir;
    const std::string path = dir.file(std::string("run.") + GetParam());

    GameState s = test::MakeLevel(test::CorridorLevel());
    const Recorded recorded = RecordRun(s);
    s.Info.setRandomSeed(s.StartRandomSeed);
    const FileStatus saved = std::string(GetParam()) == "qv"
                                 ? SaveQV(s, path, false, TestSaveOptions())
                                 : SaveTSN(s, path, false, false, TestSaveOptions());
    ASSERT_TRUE(saved) << saved.error().Text();

    const VerificationRow row = VerifyDemoFile(path, 1, VerifyOptions{});
    EXPECT_EQ(row.solved, "Success");
    EXPECT_EQ(row.error, "");
    EXPECT_EQ(row.framesRead, recorded.frames);
    EXPECT_EQ(row.framesPlayed, recorded.frames);
    EXPECT_EQ(row.steps, recorded.steps);

    // The replay passes through the very same fields, frame by frame.
    GameState replay;
    RunSetup setup;
    setup.file = path;
    setup.demo = true;
    ASSERT_TRUE(PrepareRun(replay, setup));
    BeginRun(replay);
    std::vector<uint64_t> hashes;
    RunHeadless(replay, {}, 5000, [&](const GameState& g) { hashes.push_back(FieldHash(g)); });
    EXPECT_EQ(hashes, recorded.hashes);
}

INSTANTIATE_TEST_SUITE_P(Formats, RoundTrip, ::testing::Values("qv", "tsn"));

TEST(RoundTrip, TheLastRunIsKeptAndPreferredByTheNextLoad) {
    testing::TempDir dir;
    GameState s = test::MakeLevel(test::CorridorLevel());
    s.CurrentLevelFile = dir.file("missing.dat");
    const Recorded recorded = RecordRun(s);
    const std::string temp = dir.file("tmp0x1.tsn");
    LevelSource src;
    ASSERT_TRUE(WriteLastRun(s, src, temp, TestSaveOptions()));
    EXPECT_EQ(src.LastRunFile, temp);
    EXPECT_EQ(s.CurrentLevelFile, dir.file("missing.dat"));

    // Reading the level again brings the run's demo back with it.
    s.DemoPlayback = 1;
    ASSERT_TRUE(ReadLevel(s, src, ""));
    EXPECT_TRUE(s.LevelHasDemo);
    EXPECT_EQ(s.DemoLengthFrames, recorded.frames);
    EXPECT_EQ(s.RandomSeed, 0x1234);
}

}  // namespace
}  // namespace tsn
