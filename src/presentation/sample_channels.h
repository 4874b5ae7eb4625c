#pragma once
// Which mixer channel a new playback of a sample takes: every sample owns a few channels; a
// free one is used first, and when all are busy the playback that started longest ago is
// replaced.
#include <cstdint>
#include <functional>
#include <vector>

namespace tsn {

class SampleChannels {
public:
    SampleChannels(int samples, int perSample);

    int ChannelCount() const { return static_cast<int>(started_.size()); }
    // The channel for a new playback of `sample`; `busy(channel)` tells whether a channel is
    // still playing. The choice is remembered as the newest playback.
    int Take(int sample, const std::function<bool(int channel)>& busy);

private:
    int perSample_;
    std::vector<uint64_t> started_;  // order in which each channel was last started
    uint64_t counter_ = 0;
};

}  // namespace tsn
