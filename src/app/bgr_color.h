#pragma once
// Colours are kept as 0x00BBGGRR values (the settings store, the result colours).
#include <QColor>
#include <cstdint>

namespace tsn {

inline QColor ColorFromBgr(uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}

inline uint32_t BgrFromColor(const QColor& c) {
    return static_cast<uint32_t>(c.red()) | static_cast<uint32_t>(c.green()) << 8 |
           static_cast<uint32_t>(c.blue()) << 16;
}

}  // namespace tsn
