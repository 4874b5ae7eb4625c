#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/qv_file.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::Append;
using testing::AppendText;
using testing::MakeRecord;

TEST(QvFile, RecordWithoutDemoDrawsAFreshSeed) {
    GameState s;
    s.clock = [] { return 0x00010002; };
    s.DemoHasSignature = true;
    s.DemoSignature = "stale";
    const auto rec = MakeRecord(60, 24, "Plain");
    ASSERT_TRUE(ReadQV(s, rec).ok());
    EXPECT_TRUE(s.LevelLoaded);
    EXPECT_FALSE(s.LevelHasDemo);
    EXPECT_FALSE(s.LevelFromSet);
    EXPECT_FALSE(s.DemoHasSignature);
    EXPECT_EQ(s.DemoLengthFrames, 0);
    EXPECT_EQ(s.RandomSeed, 3);
    EXPECT_EQ(s.StartRandomSeed, 3);
}

TEST(QvFile, DemoBlockStaysBehindTheZeroedRecord) {
    GameState s;
    s.StartRandomSeed = 77;
    auto file = MakeRecord(60, 24, "With demo");
    Append(file, {129, 0xF3, 0x43, 0x00, 255});
    AppendText(file, "sig text");
    file.push_back(255);
    ASSERT_TRUE(ReadQV(s, file).ok());
    EXPECT_TRUE(s.LevelHasDemo);
    EXPECT_EQ(s.LevelBufferUpper, static_cast<int32_t>(file.size()) - 1);
    ASSERT_EQ(s.LevelBytes.size(), file.size());
    for (int i = 0; i < 1536; ++i) ASSERT_EQ(s.LevelBytes[static_cast<size_t>(i)], 0);
    for (size_t i = 1536; i < file.size(); ++i) ASSERT_EQ(s.LevelBytes[i], file[i]);
    EXPECT_EQ(s.DemoStartIndex, 1536);
    EXPECT_EQ(s.DemoReadIndex, 1536);
    EXPECT_EQ(s.DemoRepeatCount, 0);
    EXPECT_EQ(s.DemoLengthFrames, 16 + 5 + 1);
    EXPECT_TRUE(s.DemoHasSignature);
    EXPECT_EQ(s.DemoSignature, "sig text");
    // A file with a demo replays with its stored seed; StartRandomSeed is not touched.
    EXPECT_EQ(s.RandomSeed, 0x1234);
    EXPECT_EQ(s.StartRandomSeed, 77);
}

TEST(QvFile, SignatureSearchRules) {
    auto base = MakeRecord(60, 24, "Sig");
    base[1535] = 0;  // seed bytes without 255
    base[1534] = 0;
    {
        // Keys and the closing 255 only, no other 255 in the file: no signature.
        auto f = base;
        Append(f, {129, 0x01, 0x02, 255});
        GameState s;
        ASSERT_TRUE(ReadQV(s, f).ok());
        EXPECT_FALSE(s.DemoHasSignature);
        EXPECT_EQ(s.DemoSignature, "");
    }
    {
        // An earlier 255 inside the seed word turns the bytes between into a "signature".
        auto f = base;
        f[1535] = 255;
        Append(f, {129, 0x01, 0x02, 255});
        GameState s;
        ASSERT_TRUE(ReadQV(s, f).ok());
        EXPECT_TRUE(s.DemoHasSignature);
        EXPECT_EQ(s.DemoSignature, std::string("\x81\x01\x02", 3));
    }
    {
        // Bytes after the final 255 are skipped.
        auto f = base;
        Append(f, {129, 0x01, 255});
        AppendText(f, "Me");
        Append(f, {255, 'x', 'y'});
        GameState s;
        ASSERT_TRUE(ReadQV(s, f).ok());
        EXPECT_EQ(s.DemoSignature, "Me");
        EXPECT_EQ(s.DemoLengthFrames, 1);
    }
}

TEST(QvFile, ShortFileReadsWhatIsPresentAndEmptyFileIsRefused) {
    GameState s;
    std::vector<uint8_t> f(700, 4);
    ASSERT_TRUE(ReadQV(s, f).ok());
    EXPECT_EQ(s.PlayField16[699], 4);
    EXPECT_EQ(s.PlayField16[700], 0);
    EXPECT_FALSE(s.LevelHasDemo);
    EXPECT_EQ(s.LevelBytes.size(), 1536u);

    const std::vector<uint8_t> empty;
    const auto st = ReadQV(s, empty);
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().procedure, "ReadQV");
    EXPECT_FALSE(s.LevelLoaded);
    EXPECT_EQ(s.PlayField16[699], 4);  // the level read before is untouched

    testing::TempDir dir;
    EXPECT_FALSE(ReadQV(s, dir.file("missing.qv")).ok());
    EXPECT_FALSE(ReadQV(s, dir.path().string()).ok());  // a folder
}

TEST(QvFile, LongDemosAndSignaturesAreKeptWhole) {
    auto file = MakeRecord(60, 24, "Long");
    file.push_back(129);
    for (int i = 0; i < 40000; ++i) file.push_back(static_cast<uint8_t>(0x10 | (i % 9)));
    file.push_back(255);
    const std::string sig(35000, 'S');
    AppendText(file, sig);
    file.push_back(255);
    GameState s;
    ASSERT_TRUE(ReadQV(s, file).ok());
    EXPECT_EQ(s.DemoLengthFrames, 80000);
    EXPECT_EQ(s.DemoSignature, sig);

    // Saved again with its loaded demo and signature: byte for byte the same file.
    testing::TempDir dir;
    SaveOptions keep = testing::FixedOptions();
    keep.saveWithoutDemo = [] { return false; };
    keep.saveWithMySignature = [] { return false; };
    ASSERT_TRUE(SaveQV(s, dir.file("long.qv"), false, keep).ok());
    EXPECT_EQ(testing::ReadBytes(dir.file("long.qv")), file);
}

TEST(QvFile, CleanSaveWritesTheRecordOnlyWithEditorCodesConverted) {
    GameState s;
    auto file = MakeRecord(60, 24, "Clean");
    file[10] = 76;
    file[11] = 41;
    file[12] = 25;
    file[13] = 40;
    Append(file, {129, 0x01, 255});
    ASSERT_TRUE(ReadQV(s, file).ok());
    s.CurrentLevelNumber = 5;
    testing::TempDir dir;
    const auto path = dir.file("clean.qv");
    ASSERT_TRUE(SaveQV(s, path, true, testing::FixedOptions()).ok());
    const auto out = testing::ReadBytes(path);
    ASSERT_EQ(out.size(), 1536u);
    EXPECT_EQ(out[10], 25);
    EXPECT_EQ(out[11], 40);
    EXPECT_EQ(out[12], 25);
    EXPECT_EQ(out[13], 40);
    for (size_t i = 14; i < 1440; ++i) ASSERT_EQ(out[i], file[i]);
    EXPECT_EQ(out[1440 + 5], 132);
    // After the save the field buffer holds the editor's forms.
    EXPECT_EQ(s.FieldBytes[10], 76);
    EXPECT_EQ(s.FieldBytes[11], 41);
    EXPECT_EQ(s.FieldBytes[12], 76);
    EXPECT_EQ(s.FieldBytes[13], 41);
    EXPECT_EQ(s.CurrentLevelFile, path);
    EXPECT_EQ(s.CurrentLevelNumber, 1);
}

TEST(QvFile, FreshRecordingIsSavedWithCheckByteMarksAndSignature) {
    GameState s;
    ASSERT_TRUE(ReadQV(s, MakeRecord(60, 24, "Recorded")).ok());
    for (int i = 0; i < 20; ++i) s.DemoBuffer.AddDemoKey(3);
    s.DemoBuffer.AddDemoKey(0);
    s.DemoBufferLive = true;
    s.SavedGameLoads = 2;
    testing::TempDir dir;
    auto opts = testing::FixedOptions();
    opts.quickSaveUsed = true;
    opts.signature.mySignature = "Tester";
    ASSERT_TRUE(SaveQV(s, dir.file("rec.qv"), false, opts).ok());
    const auto out = testing::ReadBytes(dir.file("rec.qv"));
    EXPECT_EQ(out[1440 + 93], 21);       // check byte = frames recorded
    EXPECT_EQ(out[1440 + 3], 2 ^ 166);   // saved-game loads
    EXPECT_EQ(out[1440 + 5], 144);       // quick-save mark
    std::vector<uint8_t> demo{129, 0xF3, 0x33, 0x00, 255};
    AppendText(demo, "Tester\r\n06.12.2026 20:00:00 - 1.0.17");
    demo.push_back(255);
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + 1536, out.end()), demo);
    EXPECT_EQ(s.Info.bytes[93], 21);

    // Read back: the demo is there with its signature.
    GameState r;
    ASSERT_TRUE(ReadQV(r, dir.file("rec.qv")).ok());
    EXPECT_EQ(r.DemoLengthFrames, 21);
    EXPECT_EQ(r.DemoSignature, "Tester\r\n06.12.2026 20:00:00 - 1.0.17");
}

TEST(QvFile, LoadedDemoFollowsTheAnswersToTheSaveQuestions) {
    auto file = MakeRecord(60, 24, "Loaded");
    Append(file, {129, 0x11, 0x22, 255});
    AppendText(file, "Old");
    file.push_back(255);
    GameState s;
    ASSERT_TRUE(ReadQV(s, file).ok());
    testing::TempDir dir;
    const auto path = dir.file("q.qv");

    int asked = 0;
    auto opts = testing::FixedOptions();
    opts.signature.mySignature = "Mine";
    opts.saveWithoutDemo = [&] { ++asked; return true; };
    ASSERT_TRUE(SaveQV(s, path, false, opts).ok());
    EXPECT_EQ(testing::ReadBytes(path).size(), 1536u);
    EXPECT_EQ(asked, 1);

    opts.saveWithoutDemo = [] { return false; };
    opts.saveWithMySignature = [] { return true; };
    ASSERT_TRUE(SaveQV(s, path, false, opts).ok());
    auto out = testing::ReadBytes(path);
    std::vector<uint8_t> expect{129, 0x11, 0x22, 255, 'M', 'i', 'n', 'e', 255};
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + 1536, out.end()), expect);

    opts.saveWithMySignature = [] { return false; };
    ASSERT_TRUE(SaveQV(s, path, false, opts).ok());
    out = testing::ReadBytes(path);
    expect = {129, 0x11, 0x22, 255, 'O', 'l', 'd', 255};
    EXPECT_EQ(std::vector<uint8_t>(out.begin() + 1536, out.end()), expect);
}

TEST(QvFile, NonStandardLevelsAreNeverWritten) {
    GameState s;
    s.SetGeometry(40, 30);
    testing::TempDir dir;
    const auto path = dir.file("big.qv");
    testing::WriteBytes(path, {1, 2, 3});
    const auto st = SaveQV(s, path, true, testing::FixedOptions());
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().procedure, "SaveQV");
    EXPECT_EQ(testing::ReadBytes(path), (std::vector<uint8_t>{1, 2, 3}));
}

}  // namespace
}  // namespace tsn
