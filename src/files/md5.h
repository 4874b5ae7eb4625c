#pragma once
// MD5 message digest (RFC 1321).
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace tsn {

class Md5 {
public:
    Md5();
    void Update(std::span<const uint8_t> data);
    // Finishes the digest; the object must not be updated afterwards.
    std::array<uint8_t, 16> Final();

private:
    void Block(const uint8_t* p);

    std::array<uint32_t, 4> state_;
    std::array<uint8_t, 64> buffer_{};
    uint64_t length_ = 0;  // bytes so far
};

std::array<uint8_t, 16> Md5Of(std::span<const uint8_t> data);
// The 16 bytes as 32 upper-case hexadecimal digits.
std::string HexUpper(std::span<const uint8_t> bytes);

}  // namespace tsn
