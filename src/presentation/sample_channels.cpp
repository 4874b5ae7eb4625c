#include "presentation/sample_channels.h"

namespace tsn {

SampleChannels::SampleChannels(int samples, int perSample)
    : perSample_(perSample), started_(static_cast<size_t>(samples * perSample), 0) {}

int SampleChannels::Take(int sample, const std::function<bool(int channel)>& busy) {
    const int first = sample * perSample_;
    int chosen = -1;
    for (int c = first; c < first + perSample_; ++c) {
        if (!busy(c)) {
            chosen = c;
            break;
        }
    }
    if (chosen < 0) {
        chosen = first;
        for (int c = first + 1; c < first + perSample_; ++c)
            if (started_[static_cast<size_t>(c)] < started_[static_cast<size_t>(chosen)]) chosen = c;
    }
    started_[static_cast<size_t>(chosen)] = ++counter_;
    return chosen;
}

}  // namespace tsn
