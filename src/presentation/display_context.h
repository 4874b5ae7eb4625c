#pragma once
// The display values every drawing object reads: the zoom, the "draw nothing" switch and the
// mirrored scroll position.
#include <cstdint>

namespace tsn {

struct DisplayContext {
    float Stretch = 1.0f;              // screen pixels per buffer pixel
    const int16_t* NoDisplay = nullptr;  // the game state's flag; absent means drawing is on
    int16_t ScrollX = 0;               // mirror of the scroll buffer's position
    int16_t ScrollY = 0;
    bool ScrollAbort = false;          // a running glide stops early

    bool Off() const { return NoDisplay != nullptr && *NoDisplay != 0; }
};

}  // namespace tsn
