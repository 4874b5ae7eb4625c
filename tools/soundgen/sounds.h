#pragma once
// The game's sound effects and its music, rendered in memory.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace tsn::snd {

struct Effect {
    const char* fileName;
    std::vector<int16_t> (*render)();
};

// The seven effects in the order the game loads them.
const std::vector<Effect>& Effects();

// Peak levels: effects play at half the music's default volume, so they peak higher.
inline constexpr int kEffectPeak = 29000;
inline constexpr int kMusicPeak = 16000;

// The background track: one seamless loop, 44.1 kHz mono.
std::vector<int16_t> RenderMusic();
inline constexpr const char* kMusicFile = "quorvane.mp3";

// Mono 16-bit PCM WAV file bytes.
std::vector<uint8_t> EncodeWav(const std::vector<int16_t>& pcm, int rate);
// 64-bit FNV-1a of the samples (little-endian bytes), to recognise a render.
uint64_t PcmFingerprint(const std::vector<int16_t>& pcm);

}  // namespace tsn::snd
