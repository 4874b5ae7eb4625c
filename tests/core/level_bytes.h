#pragma once
// Hand-built level file bytes for the file-format tests.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/level_info.h"
#include "files/demo_block.h"

namespace tsn::testing {

// Save options with a fixed signature date and version, so saved bytes can be compared.
inline SaveOptions FixedOptions() {
    SaveOptions o;
    o.signature.dateTime = "06.12.2026 20:00:00";
    o.signature.version = "1.0.17";
    return o;
}

// A W × H record: field cells numbered (i % 7, so codes 0..6), info block with the given
// title, gravity 1, frozen Zonks 2, 33 Infotrons needed, seed 0x1234 and one special port.
inline std::vector<uint8_t> MakeRecord(int w, int h, const std::string& title) {
    std::vector<uint8_t> rec(static_cast<size_t>(w * h), 0);
    for (size_t i = 0; i < rec.size(); ++i) rec[i] = static_cast<uint8_t>(i % 7);
    LevelInfo info;
    info.bytes[5] = 132;
    info.setTitle(title);
    info.setGravity(1);
    info.setFrozenZonks(2);
    info.setInfotronsNeeded(33);
    info.bytes[LevelInfo::kSpecialPortCountOffset] = 1;
    info.setSpecialPort(0, SpecialPortInfo{static_cast<int16_t>(2 * (w + 2)), 1, 2, 1, 0});
    info.setRandomSeed(0x1234);
    rec.insert(rec.end(), info.bytes.begin(), info.bytes.end());
    return rec;
}

inline void Append(std::vector<uint8_t>& out, const std::vector<uint8_t>& more) {
    out.insert(out.end(), more.begin(), more.end());
}

inline void AppendText(std::vector<uint8_t>& out, const std::string& text) {
    out.insert(out.end(), text.begin(), text.end());
}

inline void PutLE16(std::vector<uint8_t>& out, int v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}

inline void PutLE32(std::vector<uint8_t>& out, int64_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((v >> (8 * i)) & 0xFF));
}

struct Entry {
    int w, h;
    int64_t position, size;
};

// "TSN " | version | count | the given entries, then the payload.
inline std::vector<uint8_t> MakeContainer(int version, int count, const std::vector<Entry>& entries,
                                          const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> out{'T', 'S', 'N', ' '};
    PutLE16(out, version);
    PutLE16(out, count);
    for (const auto& e : entries) {
        PutLE16(out, e.w);
        PutLE16(out, e.h);
        PutLE32(out, e.position);
        PutLE32(out, e.size);
    }
    Append(out, payload);
    return out;
}

}  // namespace tsn::testing
