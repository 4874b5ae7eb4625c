#pragma once
// Play times as hours:minutes:seconds, each at least two digits.
#include <QString>
#include <cstdint>

namespace tsn {

inline QString SecToTime(int64_t seconds) {
    if (seconds < 0) seconds = 0;
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QChar('0'))
        .arg(seconds / 60 % 60, 2, 10, QChar('0'))
        .arg(seconds % 60, 2, 10, QChar('0'));
}

}  // namespace tsn
