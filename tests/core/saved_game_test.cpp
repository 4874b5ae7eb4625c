// Saved games: a load brings back the whole state, a resumed run goes on exactly like the run
// that was never interrupted, and anything but an intact file of the running level is refused
// without touching the game.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/game_state.h"
#include "engine/run.h"
#include "engine/trace_line.h"
#include "files/check_value.h"
#include "files/saved_game.h"
#include "run/run_setup.h"
#include "test_level.h"

namespace tsn {
namespace {

const std::string kDigest = "0123456789ABCDEF0123456789ABCDEF";

std::string Solution(const char* name) {
    return std::string(TESSARIN_LEVEL_DATA) + "/solutions/" + name + ".qv";
}

// A run of a shipped solution demo, or of the same level on keys when `demo` is false.
GameState Started(const std::string& file, bool demo) {
    GameState s;
    s.clock = [] { return int32_t{0}; };
    RunSetup setup;
    setup.file = file;
    setup.level = 1;
    setup.demo = demo;
    if (!demo) setup.seed = 77;
    EXPECT_TRUE(PrepareRun(s, setup));
    BeginRun(s);
    return s;
}

// The state as the file holds it, with a fixed mixing table: equal images, equal states.
std::vector<uint8_t> Image(const GameState& s) { return EncodeSavedGame(s, kDigest, 1); }

int KeyAt(int64_t frame) { return static_cast<int>((frame * 7 / 11) % 5); }

TEST(SavedGame, LoadBringsBackTheWholeStateAndTheRecordedDemo) {
    for (bool demo : {true, false}) {
        SCOPED_TRACE(demo ? "demo playback" : "keys");
        GameState s = Started(Solution("036"), demo);
        for (int64_t f = 0; f < 120; ++f) RunOneFrame(s, KeyAt(f));
        const std::vector<uint8_t> before = Image(s);
        const std::vector<uint8_t> a = EncodeSavedGame(s, kDigest, 11);
        const std::vector<uint8_t> b = EncodeSavedGame(s, kDigest, 12);
        EXPECT_NE(a, b);  // other mixing tables
        EXPECT_EQ(a.size(), b.size());
        const uint16_t seed = s.RandomSeed;

        for (const auto* file : {&a, &b}) {
            GameState t = s;
            for (int64_t f = 120; f < 200; ++f) RunOneFrame(t, KeyAt(f));
            ASSERT_NE(Image(t), before);
            ASSERT_EQ(LoadSavedGame(t, *file, kDigest), SavedGameRefusal::None);
            EXPECT_EQ(Image(t), before);
            EXPECT_EQ(t.Frames(), 120);
            EXPECT_EQ(t.RandomSeed, seed);
            EXPECT_EQ(t.DemoBuffer.bytes(), s.DemoBuffer.bytes());
            EXPECT_EQ(t.DemoBuffer.LastKey(), s.DemoBuffer.LastKey());
            EXPECT_EQ(test::Render(t), test::Render(s));
        }
    }
}

// Every 61st frame of five busy demos (fuses, bugs, Electrons, gravity ports, red disks, a
// terminal) is saved, loaded into a run that has played something else, and played on: the
// lines must equal the uninterrupted run's.
TEST(SavedGame, ResumedRunsGoOnLikeTheUninterruptedRun) {
    constexpr size_t kSaveEvery = 61;
    bool explosion = false, redDisk = false, leadOut = false, falling = false, moving = false;
    for (const char* name : {"027", "036", "037", "044", "050"}) {
        SCOPED_TRACE(name);
        std::vector<std::string> lines;
        std::vector<std::vector<uint8_t>> saves;
        GameState s = Started(Solution(name), true);
        for (bool ended = false; !ended;) {
            if (s.Frames() % kSaveEvery == 4) {
                saves.push_back(EncodeSavedGame(s, kDigest, static_cast<uint64_t>(s.Frames())));
                explosion |= s.ExplosionInProgress != 0;
                redDisk |= s.RedDiskState != 0;
                leadOut |= s.LeadOutCounter != 0;
                falling |= s.MurphyFalling != 0;
                moving |= s.MurphyDX != 0 || s.MurphyDY != 0;
            }
            ended = RunOneFrame(s, 0);
            lines.push_back(TraceLine(s));
        }
        for (size_t k = 0; k < saves.size(); ++k) {
            const size_t from = kSaveEvery * k + 4;
            GameState t = Started(Solution(name), false);
            for (int64_t f = 0; f < 25; ++f) RunOneFrame(t, KeyAt(f));
            ASSERT_EQ(LoadSavedGame(t, saves[k], kDigest), SavedGameRefusal::None);
            ASSERT_EQ(t.Frames(), static_cast<int64_t>(from));
            for (size_t i = from; i < lines.size() && i < from + 100; ++i) {
                const bool ended = RunOneFrame(t, 3);
                ASSERT_EQ(TraceLine(t), lines[i]) << "saved after frame " << from;
                ASSERT_EQ(ended, i + 1 == lines.size());
            }
        }
    }
    EXPECT_TRUE(explosion && redDisk && leadOut && falling && moving);
}

TEST(SavedGame, ARecordingResumedFromASaveRecordsTheSameDemo) {
    GameState a = Started(Solution("044"), false);
    std::vector<uint8_t> save;
    for (int64_t f = 0; f < 300; ++f) {
        if (f == 140) save = Image(a);
        RunOneFrame(a, KeyAt(f));
    }
    GameState b = Started(Solution("044"), false);
    ASSERT_EQ(LoadSavedGame(b, save, kDigest), SavedGameRefusal::None);
    for (int64_t f = 140; f < 300; ++f) RunOneFrame(b, KeyAt(f));
    EXPECT_EQ(Image(b), Image(a));
    EXPECT_EQ(b.DemoBuffer.CheckSumByte(), a.DemoBuffer.CheckSumByte());
}

TEST(SavedGame, DamagedOrForeignFilesAreRefusedAndTheGameIsUntouched) {
    GameState s = Started(Solution("037"), true);
    for (int f = 0; f < 90; ++f) RunOneFrame(s, 0);
    const std::vector<uint8_t> good = EncodeSavedGame(s, kDigest, 5);
    for (int f = 0; f < 30; ++f) RunOneFrame(s, 0);
    const std::vector<uint8_t> untouched = Image(s);

    // One flipped byte: the header, the scalars, samples of the arrays, and the whole tail
    // (info block, recorder counters, mixing table, demo bytes, check value).
    std::vector<size_t> positions;
    for (size_t i = 0; i < 300; ++i) positions.push_back(i);
    for (size_t i = 300; i + 600 < good.size(); i += 1999) positions.push_back(i);
    for (size_t i = good.size() - 600; i < good.size(); ++i) positions.push_back(i);
    for (size_t i : positions) {
        std::vector<uint8_t> bad = good;
        bad[i] ^= 0x10;
        ASSERT_NE(LoadSavedGame(s, bad, kDigest), SavedGameRefusal::None) << "byte " << i;
    }
    // Cut short anywhere.
    for (size_t n = 0; n < good.size(); n += n < 100 ? 1 : 4999) {
        ASSERT_EQ(LoadSavedGame(s, std::span(good).first(n), kDigest),
                  n < 3 ? SavedGameRefusal::NotSavedGame
                  : n < kSavedGameHeaderSize ? SavedGameRefusal::OtherLevelFile
                                             : SavedGameRefusal::Corrupt)
            << "length " << n;
    }
    // Another level file: refused on the header alone, whatever follows it.
    std::vector<uint8_t> foreign(good.begin(), good.begin() + kSavedGameHeaderSize);
    foreign[10] = 'X';
    EXPECT_EQ(CheckSavedGameHeader(foreign, kDigest), SavedGameRefusal::OtherLevelFile);
    EXPECT_EQ(LoadSavedGame(s, foreign, kDigest), SavedGameRefusal::OtherLevelFile);
    EXPECT_EQ(SavedGameRefusalText(SavedGameRefusal::OtherLevelFile),
              "The Tessarin quick save file doesn't match with the current loaded level.");
    EXPECT_EQ(Image(s), untouched);
}

// A file whose check value holds but whose contents do not fit the running level.
TEST(SavedGame, IntactFilesThatDoNotFitTheLevelAreRefused) {
    const auto resealed = [](std::vector<uint8_t> data) {
        data.resize(data.size() - 4);
        const uint32_t check = CheckValue(data, kSavedGameMask);
        for (int i = 0; i < 4; ++i) data.push_back(static_cast<uint8_t>(check >> (8 * i)));
        return data;
    };
    GameState narrow = test::MakeLevel({"#####", "#M.I#", "#####"});
    GameState standard = Started(Solution("027"), true);
    const std::vector<uint8_t> untouched = Image(standard);
    EXPECT_EQ(LoadSavedGame(standard, resealed(Image(narrow)), kDigest), SavedGameRefusal::Corrupt);

    GameState otherLevel = standard;
    otherLevel.CurrentLevelNumber = 2;
    EXPECT_EQ(LoadSavedGame(standard, Image(otherLevel), kDigest), SavedGameRefusal::OtherLevelFile);

    std::vector<uint8_t> wrongFormat = Image(standard);
    wrongFormat[3] = 16;
    EXPECT_EQ(LoadSavedGame(standard, resealed(wrongFormat), kDigest), SavedGameRefusal::Corrupt);
    std::vector<uint8_t> trailing = Image(standard);
    trailing.insert(trailing.end() - 4, uint8_t{0});
    EXPECT_EQ(LoadSavedGame(standard, resealed(trailing), kDigest), SavedGameRefusal::Corrupt);
    EXPECT_EQ(Image(standard), untouched);

    SavedGameSummary sum;
    ASSERT_TRUE(SummarizeSavedGame(untouched, sum));
    EXPECT_EQ(sum.digest, kDigest);
    EXPECT_EQ(sum.levelNumber, 1);
    EXPECT_EQ(sum.murphyCell, standard.MurphyPos);
    EXPECT_EQ(sum.infotronsNeeded, standard.InfotronsNeeded);
    EXPECT_TRUE(sum.checkValueHolds);
    EXPECT_FALSE(SummarizeSavedGame(std::span(untouched).first(40), sum));
}

}  // namespace
}  // namespace tsn
