#pragma once
// Holds the desktop's screen saver off while the program runs (where the desktop offers it).
#include <cstdint>

namespace tsn {

class ScreenSaverBlock {
public:
    ScreenSaverBlock();
    ~ScreenSaverBlock();
    ScreenSaverBlock(const ScreenSaverBlock&) = delete;
    ScreenSaverBlock& operator=(const ScreenSaverBlock&) = delete;
    bool Active() const { return cookie_ != 0; }

private:
    uint32_t cookie_ = 0;
};

}  // namespace tsn
