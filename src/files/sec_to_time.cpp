#include "files/sec_to_time.h"

#include <cstdio>

namespace tsn {

TimeOfPlay SecToTime(int32_t seconds) {
    if (seconds < 0) seconds = 0;
    TimeOfPlay t;
    t.hours = seconds / 3600;
    t.minutes = seconds % 3600 / 60;
    t.seconds = seconds % 60;
    char buf[48];
    std::snprintf(buf, sizeof buf, "%02d:%02d:%02d", t.hours, t.minutes, t.seconds);
    t.text = buf;
    return t;
}

}  // namespace tsn
