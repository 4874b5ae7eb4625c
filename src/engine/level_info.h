#pragma once
// The 96-byte info block that follows every level's field bytes.
#include <array>
#include <cstdint>
#include <string>

namespace tsn {

inline constexpr int kLevelInfoSize = 96;
inline constexpr int kTitleLength = 23;
inline constexpr int kMaxSpecialPorts = 10;

struct SpecialPortInfo {
    int16_t position = 0;  // twice the cell index, stored high byte first
    uint8_t gravity = 0;
    uint8_t frozenZonks = 0;
    uint8_t frozenEnemies = 0;
    uint8_t reserved = 0;

    int cell() const { return position / 2; }
};

// The block is kept as its bytes, so reserved and unknown bytes survive a save unchanged.
struct LevelInfo {
    std::array<uint8_t, kLevelInfoSize> bytes{};

    static constexpr int kLoadCountOffset = 3;
    static constexpr int kGravityOffset = 4;
    static constexpr int kSaveMarkOffset = 5;
    static constexpr int kTitleOffset = 6;
    static constexpr int kFrozenZonksOffset = 29;
    static constexpr int kInfotronsNeededOffset = 30;
    static constexpr int kSpecialPortCountOffset = 31;
    static constexpr int kSpecialPortTableOffset = 32;
    static constexpr int kDemoCheckOffset = 93;
    static constexpr int kRandomSeedOffset = 94;

    static constexpr uint8_t kSaveMarkPlain = 132;
    static constexpr uint8_t kSaveMarkQuickSaved = 144;

    uint8_t gravity() const { return bytes[kGravityOffset]; }
    void setGravity(uint8_t v) { bytes[kGravityOffset] = v; }
    uint8_t frozenZonks() const { return bytes[kFrozenZonksOffset]; }
    void setFrozenZonks(uint8_t v) { bytes[kFrozenZonksOffset] = v; }
    uint8_t infotronsNeeded() const { return bytes[kInfotronsNeededOffset]; }
    void setInfotronsNeeded(uint8_t v) { bytes[kInfotronsNeededOffset] = v; }
    uint8_t saveMark() const { return bytes[kSaveMarkOffset]; }
    uint8_t specialPortCount() const { return bytes[kSpecialPortCountOffset]; }
    uint8_t demoCheckByte() const { return bytes[kDemoCheckOffset]; }
    uint16_t randomSeed() const {
        return static_cast<uint16_t>(bytes[kRandomSeedOffset] | (bytes[kRandomSeedOffset + 1] << 8));
    }
    void setRandomSeed(uint16_t seed) {
        bytes[kRandomSeedOffset] = static_cast<uint8_t>(seed & 0xFF);
        bytes[kRandomSeedOffset + 1] = static_cast<uint8_t>(seed >> 8);
    }

    // The 23 title bytes as text (one character per byte).
    std::string title() const {
        return std::string(reinterpret_cast<const char*>(&bytes[kTitleOffset]), kTitleLength);
    }
    // Sets the title, cut or padded with blanks to 23 characters.
    void setTitle(const std::string& text) {
        for (int i = 0; i < kTitleLength; ++i) {
            bytes[static_cast<size_t>(kTitleOffset + i)] =
                i < static_cast<int>(text.size()) ? static_cast<uint8_t>(text[static_cast<size_t>(i)])
                                                  : static_cast<uint8_t>(' ');
        }
    }

    // Entry n (0-based) of the special-port table, whether or not it is in use.
    SpecialPortInfo specialPort(int n) const {
        const size_t o = static_cast<size_t>(kSpecialPortTableOffset + 6 * n);
        SpecialPortInfo p;
        p.position = static_cast<int16_t>((bytes[o] << 8) | bytes[o + 1]);
        p.gravity = bytes[o + 2];
        p.frozenZonks = bytes[o + 3];
        p.frozenEnemies = bytes[o + 4];
        p.reserved = bytes[o + 5];
        return p;
    }
    void setSpecialPort(int n, const SpecialPortInfo& p) {
        const size_t o = static_cast<size_t>(kSpecialPortTableOffset + 6 * n);
        const auto pos = static_cast<uint16_t>(p.position);
        bytes[o] = static_cast<uint8_t>(pos >> 8);
        bytes[o + 1] = static_cast<uint8_t>(pos & 0xFF);
        bytes[o + 2] = p.gravity;
        bytes[o + 3] = p.frozenZonks;
        bytes[o + 4] = p.frozenEnemies;
        bytes[o + 5] = p.reserved;
    }
};

}  // namespace tsn
