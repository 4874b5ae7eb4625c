#include "app/speed_table.h"

#include <cmath>
#include <cstdlib>

#include "presentation/rounding.h"

namespace tsn {

namespace {
// Stored as 32-bit floats, rounded when used.
const float kStoredDelays[kSpeedCount] = {
    -1.0f,           0.0f,           1000000.0f / 700, 1000000.0f / 500, 1000000.0f / 350,
    1000000.0f / 250, 1000000.0f / 200, 1000000.0f / 150, 1000000.0f / 100, 1000000.0f / 70,
    1000000.0f / 50, 1000000.0f / 35, 1000000.0f / 25,  1000000.0f / 20,  1000000.0f / 10,
    1000000.0f / 5,  1000000.0f / 1,
};
}  // namespace

int32_t SpeedDelay(int index) {
    if (index < 1 || index > kSpeedCount) index = kDefaultSpeedIndex;
    return RoundTo32(kStoredDelays[index - 1]);
}

int GetSpeedIndex(int32_t delay) {
    int best = kDefaultSpeedIndex;
    int64_t bestDiff = 1000000;
    for (int i = 1; i <= kSpeedCount; ++i) {
        const int64_t diff = RoundHalfEven(std::fabs(static_cast<double>(kStoredDelays[i - 1]) - delay));
        if (diff < bestDiff) {
            bestDiff = diff;
            best = i;
        }
    }
    return best;
}

QString GetSpeedDescriptionFPS(int32_t delay) {
    if (delay == 0) return QStringLiteral("Fastest possible");
    if (delay < 0) return QStringLiteral("No display (even faster)");
    const int64_t fps = RoundHalfEven(1000000.0 / delay);
    QString text = QString::number(fps) + " fps";
    if (fps == 35) text += " (Default)";
    return text;
}

}  // namespace tsn
