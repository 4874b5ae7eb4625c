#pragma once
// High-resolution time stamps. Frame delays are microseconds as fixed-point values with four
// decimals. Tests may put their own clock in place of the system's.
#include <QElapsedTimer>
#include <cstdint>
#include <functional>

namespace tsn {

class TickCountObject {
public:
    TickCountObject() { timer_.start(); }

    // Nanoseconds since the object was made (0 stands for "no stamp yet" in the main loop).
    int64_t TickNow() const { return source ? source() : timer_.nsecsElapsed() + 1; }
    // Microseconds since `start`, times 10000.
    int64_t TickDiffUS(int64_t start) const { return (TickNow() - start) * 10; }

    // A clock of the caller's (nanoseconds, never 0); empty for the system's.
    std::function<int64_t()> source;

private:
    QElapsedTimer timer_;
};

}  // namespace tsn
