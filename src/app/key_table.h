#pragma once
// The state of every key, indexed by scan code, filled from the window's key events and read
// once per poll.
#include <array>
#include <cstddef>
#include <cstdint>

class QKeyEvent;

namespace tsn {

class KeyboardState {
public:
    bool Down(int scanCode) const {
        return scanCode > 0 && scanCode < 256 && keys_[static_cast<size_t>(scanCode)] != 0;
    }
    void Set(int scanCode, bool down) {
        if (scanCode <= 0 || scanCode >= 256) return;
        keys_[static_cast<size_t>(scanCode)] = down ? 0x80 : 0;
        if (down) pressed_[static_cast<size_t>(scanCode)] = 1;
    }
    bool AnyDown() const {
        for (uint8_t k : keys_)
            if (k != 0) return true;
        return false;
    }
    void ReleaseAll() {
        keys_.fill(0);
        pressed_.fill(0);
    }

    // The state one poll reads: every key that is down, and every key that went down since
    // the previous poll even if it is already up again (a tap shorter than a frame counts).
    KeyboardState Poll() {
        KeyboardState k;
        for (size_t i = 0; i < keys_.size(); ++i)
            k.keys_[i] = (keys_[i] != 0 || pressed_[i] != 0) ? 0x80 : 0;
        pressed_.fill(0);
        return k;
    }

    // A key event from the window: returns false when the key has no scan code here.
    // Auto-repeated events are ignored (the key simply stays down).
    bool Apply(const QKeyEvent& e);

    bool Shift() const;
    bool LeftCtrl() const;
    bool Alt() const;

private:
    std::array<uint8_t, 256> keys_{};
    std::array<uint8_t, 256> pressed_{};
};

// The scan code of a key event (0 when it has none). `nativeScanCode` tells left from right
// modifier keys where the platform reports it.
int ScanCodeOf(int qtKey, uint32_t nativeScanCode, bool keypad);

// Murphy's action from the arrows and the space bar: 0 none, 1 up, 2 left, 3 down, 4 right,
// 5..8 space with a direction, 9 space alone. The first of up, left, down, right wins.
int ActionFromKeys(const KeyboardState& k);

}  // namespace tsn
