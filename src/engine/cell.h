#pragma once
// Reading and writing the two bytes of a 16-bit field cell.
#include <cstdint>

namespace tsn {

// Element code of a cell value.
constexpr int LowByte(int v) { return v & 0xFF; }
// Bits 8..15 of a 16-bit value as 0..255, also when bit 15 is set.
constexpr int HighByte(int v) { return (v >> 8) & 0xFF; }
constexpr void SetLowByte(uint16_t& cell, int b) {
    cell = static_cast<uint16_t>((cell & 0xFF00) | (b & 0xFF));
}
// Bit 7 of b becomes bit 15 of the cell.
constexpr void SetHighByte(uint16_t& cell, int b) {
    cell = static_cast<uint16_t>((cell & 0x00FF) | ((b & 0xFF) << 8));
}
// A byte read as -128..127.
constexpr int SignedByte(int b) { return static_cast<int8_t>(static_cast<uint8_t>(b)); }

constexpr int16_t Max16(int16_t a, int16_t b) { return a > b ? a : b; }
constexpr int16_t Min16(int16_t a, int16_t b) { return a < b ? a : b; }
constexpr int32_t Max32(int32_t a, int32_t b) { return a > b ? a : b; }
constexpr int32_t Min32(int32_t a, int32_t b) { return a < b ? a : b; }

}  // namespace tsn
