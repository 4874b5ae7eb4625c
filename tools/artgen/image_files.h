#pragma once
// Byte-exact encoders for the picture files the generator writes.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "image.h"

namespace tsn::art {

using Bytes = std::vector<uint8_t>;

// Uncompressed 24-bit Windows bitmap, rows stored bottom-up.
Bytes EncodeBmp24(const Image& img);
// Truecolour PNG with stored (uncompressed) deflate blocks: no compression library needed.
// With `alpha` (one byte per pixel) the picture keeps its opacity.
Bytes EncodePng(const Image& img, const std::vector<uint8_t>* alpha = nullptr);
// One-image icon: 32-bit BGRA bitmap plus the 1-bit AND mask; alpha has one byte per pixel.
Bytes EncodeIco(const Image& img, const std::vector<uint8_t>& alpha);

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc = 0);

}  // namespace tsn::art
