#include <gtest/gtest.h>

#include "engine/cell.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/random.h"

namespace tsn {
namespace {

TEST(Cells, ByteRoutinesKeepTheOtherByte) {
    uint16_t cell = 0x1234;
    SetHighByte(cell, 0x1F0);
    EXPECT_EQ(cell, 0xF034);
    SetLowByte(cell, 0x2FF);
    EXPECT_EQ(cell, 0xF0FF);
    EXPECT_EQ(HighByte(0xFF18), 0xFF);
    EXPECT_EQ(LowByte(0xFF18), 0x18);
    EXPECT_EQ(SignedByte(0xF0), -16);
    EXPECT_EQ(SignedByte(0x7F), 127);
}

TEST(Cells, NeighboursOutsideTheFieldReadSpaceOrInfoBytes) {
    GameState s;
    s.PlayField16[s.FieldUpper + 1] = 7;  // first info byte
    for (int x = 0; x < s.FieldWidth; ++x) EXPECT_EQ(s.PlayField16[x - s.FieldWidth], 0);
    EXPECT_EQ(s.PlayField16[s.FieldUpper - s.FieldWidth + 1 + s.FieldWidth], 7);
    // Whatever a 16-bit position computes stays inside the array.
    s.PlayField16[32767 + 2 * 125] = 1;
    s.PlayField16[-32768 - 2 * 125] = 1;
}

TEST(Cells, IndexArithmetic) {
    GameState s;
    EXPECT_EQ(s.CellIndex(5, 2), 125);
    EXPECT_EQ(s.CellColumn(125), 5);
    EXPECT_EQ(s.CellRow(125), 2);
    EXPECT_EQ(s.CellPixelX(125), 160);
    EXPECT_EQ(s.CellPixelY(125), 64);
}

TEST(ElementNames, NamedUnknownAndEditorBug) {
    EXPECT_EQ(ElementName(0), "Space");
    EXPECT_EQ(ElementName(6), "HardWare");
    EXPECT_EQ(ElementName(43), "Hardware Murphy");
    EXPECT_EQ(ElementName(76), "Bug");
    EXPECT_EQ(ElementName(44), "Unknown(44)");
    EXPECT_EQ(ElementName(255), "Unknown(255)");
}

TEST(Random, SequenceFromSeedZeroAndWrap) {
    GameState s;
    s.RandomSeed = 0;
    EXPECT_EQ(RandomNumber(s), 24);
    EXPECT_EQ(s.RandomSeed, 49);
    EXPECT_EQ(RandomNumber(s), 4227);
    EXPECT_EQ(RandomNumber(s), 21575);
    EXPECT_EQ(RandomNumber(s), 18830);
    EXPECT_EQ(s.RandomSeed, 37660);
    s.RandomSeed = 65535;
    RandomNumber(s);
    EXPECT_EQ(s.RandomSeed, 64076);
    for (int i = 0; i < 70000; ++i) EXPECT_LE(RandomNumber(s), 32767);
}

TEST(Random, SeedFromTheInjectedClock) {
    GameState s;
    s.clock = [] { return int32_t{0x12345678}; };
    RandomizeFromClock(s);
    EXPECT_EQ(s.RandomSeed, static_cast<uint16_t>(0x1234 ^ 0x5678));
    s.clock = [] { return int32_t{-2}; };  // 0xFFFFFFFE read as signed
    RandomizeFromClock(s);
    EXPECT_EQ(s.RandomSeed, static_cast<uint16_t>(0 ^ -2));
}

}  // namespace
}  // namespace tsn
