#pragma once
// The 32-bit check value stored behind player and saved-game records: a CRC with the
// generator polynomial 0x04C11DB7, most significant bit first, register starting at 0, no
// final XOR, then XORed with a mask that differs per file format.
#include <cstdint>
#include <span>

namespace tsn {

inline constexpr uint32_t kCrcPolynomial = 0x04C11DB7;

// The CRC register after all bytes (before the mask).
uint32_t Crc32Msb(std::span<const uint8_t> data);
// The check value: the CRC XOR `mask`.
inline uint32_t CheckValue(std::span<const uint8_t> data, uint32_t mask) {
    return Crc32Msb(data) ^ mask;
}

}  // namespace tsn
