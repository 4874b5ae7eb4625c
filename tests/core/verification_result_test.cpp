#include <gtest/gtest.h>

#include "engine/field_hash.h"
#include "run/verification_result.h"
#include "test_level.h"

namespace tsn {
namespace {

VerificationRow Played(int32_t read, int64_t played, int solved, bool skipped = false) {
    VerificationRow row;
    row.fileNumber = 3;
    row.path = "/demos/a.qv";
    row.steps = 42;
    row.framesRead = read;
    row.framesPlayed = played;
    SetVerdict(row, solved, skipped);
    return row;
}

TEST(VerificationVerdict, WordsForEveryOutcome) {
    EXPECT_EQ(Played(100, 100, 1).solved, "Success");
    EXPECT_EQ(Played(100, 100, 1).error, "");
    EXPECT_TRUE(Played(100, 100, 1).succeeded());
    EXPECT_EQ(Played(100, 99, 1).error, "Recording is binary different");
    EXPECT_FALSE(Played(100, 99, 1).succeeded());
    EXPECT_EQ(Played(100, 100, 0).solved, "Failed");
    EXPECT_EQ(Played(100, 100, 0).error, "");
    EXPECT_EQ(Played(100, 163, 0).error, "Recording is binary different");
    EXPECT_EQ(Played(100, 163, 0, true).error, "Skipped by player");
    EXPECT_EQ(Played(100, 100, 0, true).error, "");  // equal counts: nothing to explain
    EXPECT_EQ(Played(100, 100, 7).error, "Unknown error???");
}

TEST(VerificationVerdict, RowsOfFilesThatCouldNotBePlayed) {
    const auto bad = FileErrorRow(1, "x.qv");
    EXPECT_EQ(bad.solved, "NA");
    EXPECT_EQ(bad.error, "Error opening file");
    EXPECT_EQ(RowTexts(bad)[2], "00000");
    const auto none = NoDemoRow(2, "y.tsn");
    EXPECT_EQ(none.solved, "NA");
    EXPECT_EQ(none.error, "Demo not found!");
}

TEST(VerificationExport, HeaderHasOneFieldMoreThanTheRows) {
    const std::string text = ResultsText({Played(120, 120, 1), NoDemoRow(4, "C:/d/n.tsn")});
    EXPECT_EQ(text,
              "ID,File N,Path,Steps,Frames Read,Frames Played,Solved,Error\r\n"
              "00003,/demos/a.qv,00042,120,120,Success,\r\n"
              "00004,C:/d/n.tsn,00000,0,0,NA,Demo not found!\r\n");
    EXPECT_EQ(ResultsText({}), "ID,File N,Path,Steps,Frames Read,Frames Played,Solved,Error\r\n");
}

TEST(FieldHash, ReflectsBothBytesOfEveryCell) {
    GameState a = test::MakeLevel({"M..", "..."});
    GameState b = a;
    EXPECT_EQ(FieldHash(a), FieldHash(b));
    b.PlayField16[4] = 0x0100;  // same low byte, other high byte
    EXPECT_NE(FieldHash(a), FieldHash(b));
    b = a;
    b.PlayField16[b.FieldUpper + 1] = 9;  // the info block is not part of the field
    EXPECT_EQ(FieldHash(a), FieldHash(b));
    // An empty 1 x 1 field: the hash of two zero bytes.
    GameState c = test::MakeLevel({"."});
    uint64_t h = 0xcbf29ce484222325ULL;
    h = (h ^ 0) * 0x100000001b3ULL;
    h = (h ^ 0) * 0x100000001b3ULL;
    EXPECT_EQ(FieldHash(c), h);
}

}  // namespace
}  // namespace tsn
