#include <gtest/gtest.h>

#include <string>

#include "files/check_value.h"

namespace tsn {
namespace {

// Bit by bit, without a table: each message bit is shifted into the register from the right,
// and the polynomial is applied whenever a set bit falls out on the left.
uint32_t BitwiseReference(std::span<const uint8_t> data) {
    uint32_t r = 0;
    for (const uint8_t byte : data) {
        for (int bit = 7; bit >= 0; --bit) {
            const bool out = (r & 0x80000000u) != 0;
            r = (r << 1) | ((byte >> bit) & 1u);
            if (out) r ^= 0x04C11DB7u;
        }
    }
    return r;
}

std::span<const uint8_t> Bytes(const std::string& s) {
    return {reinterpret_cast<const uint8_t*>(s.data()), s.size()};
}

TEST(CheckValue, MatchesTheBitwiseDivision) {
    std::vector<uint8_t> record(4568);
    for (size_t i = 0; i < record.size(); ++i) record[i] = static_cast<uint8_t>(i * 13 + (i >> 5));
    EXPECT_EQ(Crc32Msb(record), BitwiseReference(record));
    for (const std::string text : {"", "a", "123456789", "TSPFILE\x10"}) {
        EXPECT_EQ(Crc32Msb(Bytes(text)), BitwiseReference(Bytes(text))) << text;
    }
}

TEST(CheckValue, RegisterStartsAtZeroWithoutFinalXorThenTheMask) {
    // Without an initial value leading zero bytes change nothing, and a single byte b below
    // 0x100 leaves just b in the register.
    const std::vector<uint8_t> zeros(10, 0);
    EXPECT_EQ(Crc32Msb(zeros), 0u);
    const std::vector<uint8_t> one{0x5A};
    EXPECT_EQ(Crc32Msb(one), 0x5Au);
    // Four bytes still fit the register; the fifth shifts the first byte out through the table.
    const std::vector<uint8_t> four{1, 2, 3, 4};
    EXPECT_EQ(Crc32Msb(four), 0x01020304u);
    const std::vector<uint8_t> five{1, 2, 3, 4, 5};
    EXPECT_EQ(Crc32Msb(five), (0x02030405u ^ 0x04C11DB7u));
    EXPECT_EQ(CheckValue(five, 0x6B1D52C4), Crc32Msb(five) ^ 0x6B1D52C4u);
}

}  // namespace
}  // namespace tsn
