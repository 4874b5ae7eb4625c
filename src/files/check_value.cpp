#include "files/check_value.h"

#include <array>

namespace tsn {

namespace {

constexpr std::array<uint32_t, 256> MakeTable() {
    std::array<uint32_t, 256> t{};
    for (uint32_t i = 0; i < 256; ++i) {
        uint32_t r = i << 24;
        for (int k = 0; k < 8; ++k) r = (r & 0x80000000u) ? (r << 1) ^ kCrcPolynomial : r << 1;
        t[i] = r;
    }
    return t;
}

constexpr auto kTable = MakeTable();

}  // namespace

uint32_t Crc32Msb(std::span<const uint8_t> data) {
    uint32_t r = 0;
    for (const uint8_t b : data) r = kTable[r >> 24] ^ ((r << 8) | b);
    return r;
}

}  // namespace tsn
