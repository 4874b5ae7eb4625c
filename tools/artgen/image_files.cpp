#include "image_files.h"

#include <algorithm>
#include <array>

namespace tsn::art {
namespace {

void Put16(Bytes& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}
void Put32Be(Bytes& b, uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) b.push_back(uint8_t(v >> s));
}

void PngChunk(Bytes& out, const char* type, const Bytes& data) {
    Put32Be(out, uint32_t(data.size()));
    Bytes body(reinterpret_cast<const uint8_t*>(type), reinterpret_cast<const uint8_t*>(type) + 4);
    body.insert(body.end(), data.begin(), data.end());
    out.insert(out.end(), body.begin(), body.end());
    Put32Be(out, Crc32(body.data(), body.size()));
}

}  // namespace

uint32_t Crc32(const uint8_t* data, size_t size, uint32_t crc) {
    static const std::array<uint32_t, 256> table = [] {
        std::array<uint32_t, 256> t{};
        for (uint32_t n = 0; n < 256; ++n) {
            uint32_t c = n;
            for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    crc = ~crc;
    for (size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}

Bytes EncodeBmp24(const Image& img) {
    const uint32_t stride = (uint32_t(img.width) * 3 + 3) & ~3u;
    const uint32_t imageSize = stride * uint32_t(img.height);
    Bytes b;
    b.reserve(54 + imageSize);
    b.push_back('B');
    b.push_back('M');
    Put32(b, 54 + imageSize);
    Put32(b, 0);
    Put32(b, 54);
    Put32(b, 40);
    Put32(b, uint32_t(img.width));
    Put32(b, uint32_t(img.height));
    Put16(b, 1);
    Put16(b, 24);
    Put32(b, 0);  // no compression
    Put32(b, imageSize);
    Put32(b, 2835);  // 72 dpi
    Put32(b, 2835);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = img.height - 1; y >= 0; --y) {
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            b.push_back(uint8_t(Blue(c)));
            b.push_back(uint8_t(Green(c)));
            b.push_back(uint8_t(Red(c)));
        }
        for (uint32_t pad = uint32_t(img.width) * 3; pad < stride; ++pad) b.push_back(0);
    }
    return b;
}

Bytes EncodePng(const Image& img, const std::vector<uint8_t>* alpha) {
    Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
    Bytes ihdr;
    Put32Be(ihdr, uint32_t(img.width));
    Put32Be(ihdr, uint32_t(img.height));
    const uint8_t colourType = alpha != nullptr ? 6 : 2;  // 8-bit RGBA or RGB
    ihdr.insert(ihdr.end(), {8, colourType, 0, 0, 0});  // no interlace
    PngChunk(out, "IHDR", ihdr);

    Bytes raw;
    for (int y = 0; y < img.height; ++y) {
        raw.push_back(0);  // filter: none
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            raw.push_back(uint8_t(Red(c)));
            raw.push_back(uint8_t(Green(c)));
            raw.push_back(uint8_t(Blue(c)));
            if (alpha != nullptr) raw.push_back((*alpha)[size_t(y) * size_t(img.width) + size_t(x)]);
        }
    }
    Bytes z = {0x78, 0x01};
    uint32_t a = 1, bsum = 0;
    for (uint8_t v : raw) {
        a = (a + v) % 65521;
        bsum = (bsum + a) % 65521;
    }
    for (size_t pos = 0; pos < raw.size() || pos == 0;) {
        const size_t len = std::min<size_t>(65535, raw.size() - pos);
        const bool last = pos + len == raw.size();
        z.push_back(last ? 1 : 0);
        Put16(z, uint32_t(len));
        Put16(z, uint32_t(~len & 0xFFFF));
        z.insert(z.end(), raw.begin() + long(pos), raw.begin() + long(pos + len));
        pos += len;
        if (last) break;
    }
    Put32Be(z, (bsum << 16) | a);
    PngChunk(out, "IDAT", z);
    PngChunk(out, "IEND", {});
    return out;
}

Bytes EncodeIco(const Image& img, const std::vector<uint8_t>& alpha) {
    const uint32_t w = uint32_t(img.width), h = uint32_t(img.height);
    const uint32_t maskStride = ((w + 31) / 32) * 4;
    const uint32_t dataSize = 40 + w * h * 4 + maskStride * h;
    Bytes b;
    Put16(b, 0);
    Put16(b, 1);  // icon
    Put16(b, 1);  // one image
    b.push_back(uint8_t(w));
    b.push_back(uint8_t(h));
    b.push_back(0);  // no palette
    b.push_back(0);
    Put16(b, 1);   // planes
    Put16(b, 32);  // bits per pixel
    Put32(b, dataSize);
    Put32(b, 22);  // offset of the image data
    Put32(b, 40);
    Put32(b, w);
    Put32(b, h * 2);  // colour bitmap and mask together
    Put16(b, 1);
    Put16(b, 32);
    Put32(b, 0);
    Put32(b, w * h * 4 + maskStride * h);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    Put32(b, 0);
    for (int y = img.height - 1; y >= 0; --y)
        for (int x = 0; x < img.width; ++x) {
            const Rgb c = img.at(x, y);
            const uint8_t al = alpha[size_t(y) * w + size_t(x)];
            b.push_back(uint8_t(Blue(c)));
            b.push_back(uint8_t(Green(c)));
            b.push_back(uint8_t(Red(c)));
            b.push_back(al);
        }
    for (int y = img.height - 1; y >= 0; --y) {
        Bytes row(maskStride, 0);
        for (int x = 0; x < img.width; ++x)
            if (alpha[size_t(y) * w + size_t(x)] == 0)
                row[size_t(x) / 8] |= uint8_t(0x80 >> (x % 8));
        b.insert(b.end(), row.begin(), row.end());
    }
    return b;
}

}  // namespace tsn::art
