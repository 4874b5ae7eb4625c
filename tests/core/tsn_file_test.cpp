#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/create_level.h"
#include "files/tsn_container.h"
#include "files/tsn_file.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::Append;
using testing::Entry;
using testing::MakeContainer;
using testing::MakeRecord;

std::vector<uint8_t> OneLevel(int w, int h, const std::vector<uint8_t>& demo = {}) {
    auto payload = MakeRecord(w, h, "Container");
    Append(payload, demo);
    return MakeContainer(1, 1, {{w, h, 21, w * h + 96 + static_cast<int64_t>(demo.size())}}, payload);
}

TEST(TsnFile, NewStandardContainerLayout) {
    testing::TempDir dir;
    GameState s;
    ASSERT_TRUE(CreateLevel(s, dir.file("new.tsn"), 60, 24, false).ok());
    const auto bytes = testing::ReadBytes(dir.file("new.tsn"));
    ASSERT_EQ(bytes.size(), 1556u);
    const std::vector<uint8_t> head(bytes.begin(), bytes.begin() + 20);
    const std::vector<uint8_t> expect{'T', 'S', 'N', ' ', 1, 0, 1, 0, 60, 0, 24, 0,
                                      21, 0, 0, 0, 0x00, 0x06, 0, 0};  // 1536 = 0x600
    EXPECT_EQ(head, expect);
    LevelInfo info;
    std::copy_n(bytes.begin() + 20 + 1440, 96, info.bytes.begin());
    EXPECT_EQ(info.title(), "-------Level 001-------");
    EXPECT_EQ(info.saveMark(), 132);
}

TEST(TsnFile, NewCollectionContainerFillsOnlyTheFirstEntry) {
    testing::TempDir dir;
    GameState s;
    ASSERT_TRUE(CreateLevel(s, dir.file("c.tsn"), 40, 30, true).ok());
    const auto bytes = testing::ReadBytes(dir.file("c.tsn"));
    ASSERT_EQ(bytes.size(), 8u + 12 * 111 + 40 * 30 + 96);
    EXPECT_EQ(bytes[6] | (bytes[7] << 8), 111);
    EXPECT_EQ(bytes[12] | (bytes[13] << 8), 12 * 111 + 9);  // position of level 1
    for (size_t i = 20; i < 8 + 12 * 111; ++i) ASSERT_EQ(bytes[i], 0) << i;
    TsnContainer c;
    ASSERT_TRUE(c.TsnOpen(dir.file("c.tsn")).ok());
    EXPECT_EQ(c.TsnLoadLInfo(1)->title(), "-------Level 001-------");
    EXPECT_FALSE(c.TsnLoadLInfo(2).ok());
    GameState r;
    ASSERT_TRUE(ReadTSN(r, dir.file("c.tsn")).ok());
    EXPECT_EQ(r.FieldWidth, 40);
    EXPECT_EQ(r.PlayField16[41], 3);
    EXPECT_EQ(r.PlayField16[81], 7);
}

TEST(TsnFile, LargestLevelRoundTripsByteForByte) {
    testing::TempDir dir;
    GameState s;
    const auto file = OneLevel(125, 125);
    ASSERT_TRUE(ReadTSN(s, file).ok());
    EXPECT_EQ(s.FieldWidth, 125);
    EXPECT_EQ(s.FieldHeight, 125);
    EXPECT_EQ(s.FieldUpper, 15624);
    EXPECT_EQ(s.LevelRecordUpper, 15720);
    EXPECT_EQ(s.DemoStartIndex, 15721);
    EXPECT_TRUE(s.NonStandardLevel);
    EXPECT_FALSE(s.LevelHasDemo);
    EXPECT_EQ(s.PlayField16[15720], file.back());
    EXPECT_EQ(s.PlayField16[-125], 0);
    ASSERT_TRUE(SaveTSN(s, dir.file("big.tsn"), true, false, testing::FixedOptions()).ok());
    const auto out = testing::ReadBytes(dir.file("big.tsn"));
    ASSERT_EQ(out.size(), 20u + 15721);
    EXPECT_EQ(out, file);  // entry (125, 125, 21, 15721), info at offset 15645
    EXPECT_EQ(out[15645 + 6], 'C');
    EXPECT_TRUE(s.CurrentLevelFile.empty());  // keep-current-file
}

TEST(TsnFile, FirstLevelIsLoadedWhateverTheCount) {
    auto payload = MakeRecord(10, 5, "One");
    Append(payload, MakeRecord(20, 6, "Two"));
    Append(payload, MakeRecord(30, 7, "Three"));
    const int dir = 8 + 36;
    const auto file = MakeContainer(1, 3,
                                    {{10, 5, dir + 1, 146}, {20, 6, dir + 1 + 146, 216},
                                     {30, 7, dir + 1 + 146 + 216, 306}},
                                    payload);
    GameState s;
    s.CurrentLevelNumber = 3;
    ASSERT_TRUE(ReadTSN(s, file).ok());
    EXPECT_EQ(s.FieldWidth, 10);
    EXPECT_EQ(s.Info.title().substr(0, 3), "One");

    TsnContainer c;
    ASSERT_TRUE(c.TsnOpen(file).ok());
    EXPECT_EQ(c.LevelCount(), 3);
    EXPECT_EQ(c.TsnLoadLInfo(3)->title().substr(0, 5), "Three");
    EXPECT_EQ(c.TsnLoadLInfo(2)->title().substr(0, 3), "Two");
    EXPECT_FALSE(c.TsnLoadLInfo(4).ok());
    c.TsnClose();
    EXPECT_FALSE(c.IsOpen());
    EXPECT_FALSE(c.TsnLoadLInfo(1).ok());
}

TEST(TsnFile, VersionTwoIsReadableForTheListOnly) {
    auto file = OneLevel(60, 24);
    file[4] = 2;
    GameState s;
    const auto st = ReadTSN(s, file);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().procedure, "ReadTSN");
    TsnContainer c;
    ASSERT_TRUE(c.TsnOpen(file).ok());
    EXPECT_EQ(c.ContainerVersion(), 2);
    EXPECT_EQ(c.TsnLoadLInfo(1)->title().substr(0, 9), "Container");
}

TEST(TsnFile, MalformedContainersAreRefusedAndTheLevelKept) {
    GameState s;
    ASSERT_TRUE(ReadTSN(s, OneLevel(12, 9)).ok());
    const auto keptField = s.FieldBytes;

    std::vector<std::pair<const char*, std::vector<uint8_t>>> bad;
    auto payload = MakeRecord(10, 10, "x");
    bad.push_back({"magic", [&] { auto f = OneLevel(10, 10); f[0] = 'X'; return f; }()});
    bad.push_back({"short header", {'T', 'S', 'N', ' ', 1, 0}});
    bad.push_back({"count 0", MakeContainer(1, 0, {}, payload)});
    bad.push_back({"count negative", MakeContainer(1, -5, {}, payload)});
    bad.push_back({"directory past end", MakeContainer(1, 30000, {{10, 10, 21, 196}}, payload)});
    bad.push_back({"width 0", MakeContainer(1, 1, {{0, 10, 21, 96}}, payload)});
    bad.push_back({"height negative", MakeContainer(1, 1, {{10, -3, 21, 196}}, payload)});
    bad.push_back({"index overflow", MakeContainer(1, 1, {{200, 200, 21, 196}}, payload)});
    bad.push_back({"just too big", MakeContainer(1, 1, {{32672, 1, 21, 196}}, payload)});
    bad.push_back({"position 0", MakeContainer(1, 1, {{10, 10, 0, 196}}, payload)});
    bad.push_back({"position past end", MakeContainer(1, 1, {{10, 10, 5000, 196}}, payload)});
    bad.push_back({"position negative", MakeContainer(1, 1, {{10, 10, -7, 196}}, payload)});
    bad.push_back({"size past end", MakeContainer(1, 1, {{10, 10, 21, 100000}}, payload)});
    bad.push_back({"size huge", MakeContainer(1, 1, {{10, 10, 21, 0x7FFFFFFF}}, payload)});
    bad.push_back({"size negative", MakeContainer(1, 1, {{10, 10, 21, -1}}, payload)});
    bad.push_back({"record cut", [&] { auto f = OneLevel(10, 10); f.resize(f.size() - 1); return f; }()});
    for (const auto& [what, file] : bad) {
        const auto st = ReadTSN(s, file);
        ASSERT_FALSE(st.ok()) << what;
        EXPECT_EQ(st.error().procedure, "ReadTSN") << what;
        EXPECT_FALSE(st.error().description.empty()) << what;
        EXPECT_FALSE(s.LevelLoaded) << what;
        EXPECT_EQ(s.FieldWidth, 12) << what;
        EXPECT_EQ(s.FieldBytes, keptField) << what;
    }
    // The largest size that still fits is accepted: 32671 · 1 + 96 = 32767.
    std::vector<uint8_t> big(32767, 0);
    const auto fits = MakeContainer(1, 1, {{32671, 1, 21, 32767}}, big);
    ASSERT_TRUE(ReadTSN(s, fits).ok());
    EXPECT_EQ(s.LevelRecordUpper, 32766);
}

TEST(TsnFile, DemoIsReadWithItsSeedOnlyDuringPlayback) {
    const auto file = OneLevel(20, 10, {129, 0x21, 255, 'h', 'i', 255});
    GameState s;
    s.clock = [] { return 5; };
    ASSERT_TRUE(ReadTSN(s, file).ok());
    EXPECT_TRUE(s.LevelHasDemo);
    EXPECT_EQ(s.DemoLengthFrames, 3);
    EXPECT_EQ(s.DemoSignature, "hi");
    EXPECT_EQ(s.LevelBufferUpper, 20 * 10 + 96 + 6 - 1);
    EXPECT_EQ(s.LevelBytes[296], 129);
    EXPECT_EQ(s.LevelBytes[297], 0x21);
    EXPECT_EQ(s.RandomSeed, 5);
    EXPECT_EQ(s.StartRandomSeed, 5);

    GameState p;
    p.DemoPlayback = 1;
    p.StartRandomSeed = 9;
    ASSERT_TRUE(ReadTSN(p, file).ok());
    EXPECT_EQ(p.RandomSeed, 0x1234);
    EXPECT_EQ(p.StartRandomSeed, 9);
}

TEST(TsnFile, CleanSaveDropsTheDemo) {
    GameState s;
    ASSERT_TRUE(ReadTSN(s, OneLevel(20, 10, {129, 0x21, 255})).ok());
    testing::TempDir dir;
    ASSERT_TRUE(SaveTSN(s, dir.file("c.tsn"), false, true, testing::FixedOptions()).ok());
    const auto out = testing::ReadBytes(dir.file("c.tsn"));
    EXPECT_EQ(out.size(), 20u + 296);
    EXPECT_EQ(out[16] | (out[17] << 8), 296);
    EXPECT_EQ(s.CurrentLevelFile, dir.file("c.tsn"));
    GameState r;
    ASSERT_TRUE(ReadTSN(r, dir.file("c.tsn")).ok());
    EXPECT_FALSE(r.LevelHasDemo);
}

TEST(TsnFile, EditorHandOverKeepsTheLoadedDemoWithoutAsking) {
    GameState s;
    ASSERT_TRUE(ReadTSN(s, OneLevel(20, 10, {129, 0x21, 0x05, 255, 'o', 'k', 255})).ok());
    auto opts = testing::FixedOptions();
    opts.editorHandOver = true;
    opts.saveWithoutDemo = [] { ADD_FAILURE() << "asked"; return true; };
    opts.saveWithMySignature = [] { ADD_FAILURE() << "asked"; return true; };
    testing::TempDir dir;
    ASSERT_TRUE(SaveTSN(s, dir.file("tsnedit.tsn"), true, false, opts).ok());
    const auto out = testing::ReadBytes(dir.file("tsnedit.tsn"));
    const std::vector<uint8_t> demo(out.begin() + 20 + 296, out.end());
    EXPECT_EQ(demo, (std::vector<uint8_t>{129, 0x21, 0x05, 255, 'o', 'k', 255}));
    EXPECT_EQ(out[16] | (out[17] << 8), 296 + 7);
}

TEST(TsnFile, LastRunIsSavedWithTheRecordingAndReplaysItsSeed) {
    GameState s;
    ASSERT_TRUE(ReadTSN(s, OneLevel(20, 10)).ok());
    s.Info.setRandomSeed(0xBEEF);
    s.DemoBuffer.AddDemoKey(2);
    s.DemoBuffer.AddDemoKey(2);
    s.DemoBufferLive = true;
    testing::TempDir dir;
    ASSERT_TRUE(SaveTSN(s, dir.file("run.tsn"), true, false, testing::FixedOptions()).ok());
    GameState p;
    p.DemoPlayback = 1;
    ASSERT_TRUE(ReadTSN(p, dir.file("run.tsn")).ok());
    EXPECT_EQ(p.RandomSeed, 0xBEEF);
    EXPECT_EQ(p.DemoLengthFrames, 2);
    EXPECT_EQ(p.Info.demoCheckByte(), 2);
    EXPECT_EQ(p.LevelBytes[static_cast<size_t>(p.DemoStartIndex) + 1], 0x12);
    EXPECT_EQ(p.DemoSignature.substr(0, 39), "This demo was recorded with Tessarin v.");
    EXPECT_NE(p.DemoSignature.find("https://tessarin.example/forum\r\n06.12.2026 20:00:00 - 1.0.17"),
              std::string::npos);
}

}  // namespace
}  // namespace tsn
