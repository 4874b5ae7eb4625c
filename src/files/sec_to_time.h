#pragma once
// Play times as hours:minutes:seconds.
#include <cstdint>
#include <string>

namespace tsn {

struct TimeOfPlay {
    int32_t hours = 0;
    int32_t minutes = 0;
    int32_t seconds = 0;
    std::string text;  // "h:mm:ss" with each part at least two digits, e.g. "01:02:03"
};

// Splits a number of seconds; a negative number counts as 0.
TimeOfPlay SecToTime(int32_t seconds);

}  // namespace tsn
