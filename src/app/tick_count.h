#pragma once
// High-resolution time stamps and delays. Frame delays are microseconds as fixed-point
// values with four decimals.
#include <QElapsedTimer>
#include <cstdint>
#include <functional>

namespace tsn {

class TickCountObject {
public:
    TickCountObject() { timer_.start(); }

    // Nanoseconds since the object was made (0 stands for "no stamp yet" in the main loop).
    int64_t TickNow() const { return timer_.nsecsElapsed() + 1; }
    // Microseconds since `start`, times 10000.
    int64_t TickDiffUS(int64_t start) const { return (TickNow() - start) * 10; }
    // Milliseconds since `start`, rounded.
    int32_t TickDiffMS(int64_t start) const;

    // Waits `ms` milliseconds; `process` runs between checks. While Pause is set the wait goes on.
    void DelayMS(int ms, const std::function<void()>& process);

    bool Pause = false;

private:
    QElapsedTimer timer_;
};

}  // namespace tsn
