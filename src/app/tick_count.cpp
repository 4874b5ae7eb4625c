#include "app/tick_count.h"

#include "presentation/rounding.h"

namespace tsn {

int32_t TickCountObject::TickDiffMS(int64_t start) const {
    return RoundTo32(static_cast<double>(TickNow() - start) / 1e6);
}

void TickCountObject::DelayMS(int ms, const std::function<void()>& process) {
    const int64_t start = TickNow();
    for (;;) {
        if (process) process();
        if (TickDiffMS(start) >= ms && !Pause) return;
    }
}

}  // namespace tsn
