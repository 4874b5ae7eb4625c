#include "sounds.h"

namespace tsn::snd {
namespace {

void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void PutTag(std::vector<uint8_t>& b, const char* tag) {
    for (int i = 0; i < 4; ++i) b.push_back(uint8_t(tag[i]));
}

}  // namespace

std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& pcm, int rate) {
    const uint32_t dataSize = uint32_t(pcm.size() * 2);
    std::vector<uint8_t> b;
    b.reserve(44 + dataSize);
    PutTag(b, "RIFF");
    Put32(b, 36 + dataSize);
    PutTag(b, "WAVE");
    PutTag(b, "fmt ");
    Put32(b, 16);
    Put16(b, 1);  // PCM
    Put16(b, 1);  // mono
    Put32(b, uint32_t(rate));
    Put32(b, uint32_t(rate) * 2);
    Put16(b, 2);
    Put16(b, 16);
    PutTag(b, "data");
    Put32(b, dataSize);
    for (int16_t s : pcm) Put16(b, uint16_t(s));
    return b;
}

uint64_t PcmFingerprint(const std::vector<int16_t>& pcm) {
    uint64_t h = 0xCBF29CE484222325ull;
    for (int16_t s : pcm)
        for (int k = 0; k < 2; ++k) {
            h ^= uint8_t(uint16_t(s) >> (8 * k));
            h *= 0x100000001B3ull;
        }
    return h;
}

}  // namespace tsn::snd
