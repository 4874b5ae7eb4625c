#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "files/md5.h"
#include "files/player_file.h"
#include "temp_dir.h"

namespace tsn {
namespace {

using testing::ReadBytes;
using testing::TempDir;
using testing::WriteBytes;

// The check value computed bit by bit, apart from the project's table.
uint32_t ReferenceCheck(const uint8_t* p, size_t n) {
    uint32_t r = 0;
    for (size_t i = 0; i < n; ++i)
        for (int bit = 7; bit >= 0; --bit) {
            const bool out = (r & 0x80000000u) != 0;
            r = (r << 1) | ((p[i] >> bit) & 1u);
            if (out) r ^= 0x04C11DB7u;
        }
    return r ^ 0x6B1D52C4u;
}

void Put32(std::vector<uint8_t>& b, size_t at, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[at + static_cast<size_t>(i)] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t Get32(const std::vector<uint8_t>& b, size_t at) {
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
void PutText(std::vector<uint8_t>& b, size_t at, size_t width, const std::string& s) {
    std::memset(b.data() + at, ' ', width);
    std::memcpy(b.data() + at, s.data(), s.size());
}

// A player file written by offsets, as another program following the format would.
std::vector<uint8_t> ForeignPlayerFile(const std::string& digest) {
    std::vector<uint8_t> b(4572, 0);
    std::memcpy(b.data(), "TSPFILE", 7);
    b[7] = 16;
    b[8 + 40 * 0] = 1;
    Put32(b, 8 + 4, 61000);
    Put32(b, 8 + 8, 4);
    Put32(b, 8 + 12, 1234);
    Put32(b, 8 + 16, 300);
    b[8 + 40 * 1] = 2;
    b[8 + 40 * 110] = 1;
    Put32(b, 8 + 40 * 110 + 4, 5000);
    b[8 + 40 * 110 + 39] = 0x77;  // reserved, kept as read
    Put32(b, 4448, 32323232);
    PutText(b, 4452, 25, "Ada");
    PutText(b, 4477, 50, "ada@example.org");
    b[4527] = 1;
    PutText(b, 4536, 32, digest);
    Put32(b, 4568, ReferenceCheck(b.data(), 4568));
    return b;
}

std::string LevelSet(const TempDir& dir, const std::string& name, size_t bytes) {
    std::vector<uint8_t> data(bytes);
    for (size_t i = 0; i < bytes; ++i) data[i] = static_cast<uint8_t>(i * 7 + 3);
    const std::string path = dir.file(name);
    WriteBytes(path, data);
    return path;
}

TEST(PlayerFile, FirstOpenCreatesTheFolderAndANewRecord) {
    TempDir dir;
    const std::string level = LevelSet(dir, "LEVELS.DAT", 1536 * 3);
    auto m = DoPlayerThings(dir.file("Player"), level, "Ada", "ada@example.org");
    ASSERT_TRUE(m.ok()) << m.error().Text();
    const std::vector<uint8_t> data = ReadBytes(level);
    const std::string digest = HexUpper(Md5Of(std::span(data).first(data.size() - 64)));
    EXPECT_EQ(m->path, dir.file("Player/LEVELS.DAT_" + digest + "/player.lst"));
    EXPECT_EQ(m->trouble, PlayerFileMatch::Trouble::None);
    EXPECT_EQ(m->firstNotPlayed, 0);

    const std::vector<uint8_t> b = ReadBytes(m->path);
    ASSERT_EQ(b.size(), 4572u);
    EXPECT_EQ(std::string(b.begin(), b.begin() + 7), "TSPFILE");
    EXPECT_EQ(b[7], 16);
    EXPECT_TRUE(std::all_of(b.begin() + 8, b.begin() + 4448, [](uint8_t v) { return v == 0; }));
    EXPECT_EQ(Get32(b, 4448), 32323232u);
    EXPECT_EQ(std::string(b.begin() + 4452, b.begin() + 4477), "Ada" + std::string(22, ' '));
    EXPECT_EQ(std::string(b.begin() + 4477, b.begin() + 4527),
              "ada@example.org" + std::string(35, ' '));
    EXPECT_TRUE(std::all_of(b.begin() + 4527, b.begin() + 4536, [](uint8_t v) { return v == 0; }));
    EXPECT_EQ(std::string(b.begin() + 4536, b.begin() + 4568), digest);
    EXPECT_EQ(Get32(b, 4568), ReferenceCheck(b.data(), 4568));

    // The second open finds the same file and leaves it as it is.
    auto again = DoPlayerThings(dir.file("Player"), level, "Other", "x");
    ASSERT_TRUE(again.ok());
    EXPECT_EQ(TrimField(again->record.name), "Ada");
    EXPECT_EQ(ReadBytes(m->path), b);
}

TEST(PlayerFile, DigestOfAFullSetLeavesTheLast64BytesOut) {
    TempDir dir;
    const std::string level = LevelSet(dir, "big.dat", 170496);
    auto m = DoPlayerThings(dir.file("Player"), level, "A", "B");
    ASSERT_TRUE(m.ok());
    const std::vector<uint8_t> data = ReadBytes(level);
    EXPECT_EQ(m->record.digest, HexUpper(Md5Of(std::span(data).first(170432))));
    EXPECT_NE(m->record.digest, HexUpper(Md5Of(data)));
    // A length that is no multiple of 64 is digested whole.
    const std::string odd = LevelSet(dir, "odd.qv", 1537);
    auto o = DoPlayerThings(dir.file("Player"), odd, "A", "B");
    ASSERT_TRUE(o.ok());
    EXPECT_EQ(o->record.digest, HexUpper(Md5Of(ReadBytes(odd))));
}

TEST(PlayerFile, AFileOfAnotherWriterIsReadFieldByFieldAndWrittenBackUnchanged) {
    TempDir dir;
    const std::vector<uint8_t> foreign = ForeignPlayerFile(std::string(32, 'A'));
    WriteBytes(dir.file("player.lst"), foreign);
    auto r = LoadPlayerFile(dir.file("player.lst"));
    ASSERT_TRUE(r.ok()) << r.error().Text();
    EXPECT_EQ(r->format, 16);
    EXPECT_EQ(r->progress[0].state, kSolved);
    EXPECT_EQ(r->progress[0].playTime, 61000);
    EXPECT_EQ(r->progress[0].runs, 4);
    EXPECT_EQ(r->progress[0].steps, 1234);
    EXPECT_EQ(r->progress[0].bestSteps, 300);
    EXPECT_EQ(r->progress[1].state, kSkipped);
    EXPECT_EQ(r->progress[110].state, kSolved);
    EXPECT_EQ(r->progress[110].reserved2[19], 0x77);
    EXPECT_EQ(TrimField(r->name), "Ada");
    EXPECT_EQ(TrimField(r->email), "ada@example.org");
    EXPECT_EQ(r->allLevelsCompleted, 1);
    EXPECT_EQ(r->digest, std::string(32, 'A'));
    EXPECT_EQ(r->TotalPlayTime(), 66000);
    ASSERT_TRUE(SavePlayerFile(dir.file("copy.lst"), *r).ok());
    EXPECT_EQ(ReadBytes(dir.file("copy.lst")), foreign);
}

TEST(PlayerFile, DamagedFilesAreRefused) {
    const std::vector<uint8_t> good = ForeignPlayerFile(std::string(32, 'B'));
    ASSERT_TRUE(DecodePlayerFile(good).ok());
    for (size_t at : {size_t{0}, size_t{100}, size_t{4567}, size_t{4571}}) {
        std::vector<uint8_t> bad = good;
        bad[at] ^= 0x01;
        const auto r = DecodePlayerFile(bad);
        ASSERT_FALSE(r.ok()) << at;
        EXPECT_EQ(r.error().description, "The player file is corrupt!");
    }
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(DecodePlayerFile(longer).ok());
    EXPECT_FALSE(DecodePlayerFile(std::span(good).first(4571)).ok());
    EXPECT_FALSE(DecodePlayerFile({}).ok());
}

TEST(PlayerFile, ACorruptOrForeignFileIsSetAsideAndTheGameGoesOn) {
    TempDir dir;
    const std::string level = LevelSet(dir, "set.dat", 1536 * 2);
    auto first = DoPlayerThings(dir.file("Player"), level, "Ada", "a@b");
    ASSERT_TRUE(first.ok());
    PlayerRecord played = first->record;
    played.progress[0].state = kSolved;
    ASSERT_TRUE(SavePlayerFile(first->path, played).ok());

    std::vector<uint8_t> damaged = ReadBytes(first->path);
    damaged[8] = 2;
    WriteBytes(first->path, damaged);
    auto m = DoPlayerThings(dir.file("Player"), level, "Ada", "a@b");
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(m->trouble, PlayerFileMatch::Trouble::Corrupt);
    EXPECT_EQ(m->setAsidePath, first->path + ".corrupt");
    EXPECT_EQ(ReadBytes(m->setAsidePath), damaged);
    EXPECT_EQ(m->record.progress[0].state, kNotPlayed);
    EXPECT_TRUE(LoadPlayerFile(m->path).ok());

    // A second damaged file gets a numbered name; the first one set aside stays as it was.
    WriteBytes(first->path, std::vector<uint8_t>(10, 0xEE));
    auto m2 = DoPlayerThings(dir.file("Player"), level, "Ada", "a@b");
    ASSERT_TRUE(m2.ok());
    EXPECT_EQ(m2->setAsidePath, first->path + ".corrupt2");
    EXPECT_EQ(ReadBytes(first->path + ".corrupt"), damaged);
    EXPECT_EQ(ReadBytes(first->path + ".corrupt2"), std::vector<uint8_t>(10, 0xEE));

    // The stored digest is compared without regard to case.
    PlayerRecord lower = first->record;
    for (char& c : lower.digest) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    ASSERT_TRUE(SavePlayerFile(first->path, lower).ok());
    auto same = DoPlayerThings(dir.file("Player"), level, "Ada", "a@b");
    ASSERT_TRUE(same.ok());
    EXPECT_EQ(same->trouble, PlayerFileMatch::Trouble::None);
    EXPECT_EQ(same->record.digest, lower.digest);

    // A sound file of other level-file contents is kept aside under its own name.
    WriteBytes(first->path, ForeignPlayerFile(std::string(32, 'C')));
    auto m3 = DoPlayerThings(dir.file("Player"), level, "Ada", "a@b");
    ASSERT_TRUE(m3.ok());
    EXPECT_EQ(m3->trouble, PlayerFileMatch::Trouble::Mismatch);
    EXPECT_EQ(m3->setAsidePath, first->path + ".mismatch");
    EXPECT_EQ(m3->record.digest, first->record.digest);
}

TEST(PlayerFile, FailuresAreReportedAndLoseNothing) {
    TempDir dir;
    const std::string level = LevelSet(dir, "set.dat", 1536);
    // The player folder cannot be made below a file.
    WriteBytes(dir.file("Player"), {1, 2, 3});
    EXPECT_FALSE(DoPlayerThings(dir.file("Player"), level, "A", "B").ok());
    EXPECT_EQ(ReadBytes(dir.file("Player")), (std::vector<uint8_t>{1, 2, 3}));
    EXPECT_FALSE(DoPlayerThings(dir.file("P2"), dir.file("missing.dat"), "A", "B").ok());
    EXPECT_FALSE(SavePlayerFile(dir.file("no/such/folder/player.lst"), PlayerRecord{}).ok());
}

TEST(PlayerFile, FolderNameIsTheFileNameAndTheDigest) {
    EXPECT_EQ(PlayerFolderName("/a/b/LEVELS.DAT", "0123"), "LEVELS.DAT_0123");
    EXPECT_EQ(PlayerFolderName("x.tsn", "F"), "x.tsn_F");
}

}  // namespace
}  // namespace tsn
