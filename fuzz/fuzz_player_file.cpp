// Player files from arbitrary bytes: a file that is accepted is written back byte for byte,
// and the progress rules work on whatever it holds. Inputs of the file's length are also tried
// with their check value put right, so the contents behind the check are explored as well.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <climits>
#include <span>
#include <vector>

#include "files/check_value.h"
#include "files/player_progress.h"
#include "files/player_record.h"
#include "fuzz_check.h"

namespace {

void Check(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    auto read = tsn::DecodePlayerFile(file);
    if (size != tsn::kPlayerFileSize) FUZZ_CHECK(!read.ok());
    if (!read.ok()) return;
    // Writing puts the magic in; everything else comes back as it was read.
    const std::vector<uint8_t> again = tsn::EncodePlayerFile(*read);
    FUZZ_CHECK(again.size() == size);
    FUZZ_CHECK(tsn::HasPlayerMagic(again));
    if (tsn::HasPlayerMagic(file)) FUZZ_CHECK(std::equal(again.begin(), again.end(), data));
    else FUZZ_CHECK(std::equal(again.begin() + 7, again.begin() + 4568, data + 7));

    tsn::PlayerRecord& r = *read;
    FUZZ_CHECK(r.TotalPlayTime() >= 0);
    const int count = 1 + data[8] % 200;
    const int first = tsn::FirstLevelToPlay(r, count);
    FUZZ_CHECK(first >= 0 && first < count);
    const int position = data[9] % 200;
    const int chosen = tsn::ProgressChoice(r, tsn::kProgressMode, position, count);
    FUZZ_CHECK(chosen == position || chosen == first);
    if (auto next = tsn::NextLevelToPlay(r, position, count)) FUZZ_CHECK(*next < count && *next < 111);
    tsn::RecordSolvedRun(r, tsn::kProgressMode, position, INT32_MAX, INT16_MAX);
    if (tsn::HasProgressEntry(position)) {
        FUZZ_CHECK(r.progress[static_cast<size_t>(position)].state == tsn::kSolved);
        FUZZ_CHECK(r.progress[static_cast<size_t>(position)].bestSteps <= INT16_MAX);
    }
    std::vector<uint8_t> states(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i) states[static_cast<size_t>(i)] = tsn::ListedState(r, i);
    tsn::RightClickOnList(states, position, data[10] % 200, tsn::kProgressMode, true);
    const auto written = tsn::EncodePlayerFile(r);
    FUZZ_CHECK(tsn::DecodePlayerFile(written).ok());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Check(data, size);
    if (size == tsn::kPlayerFileSize) {
        std::vector<uint8_t> fixed(data, data + size);
        const uint32_t check = tsn::CheckValue(std::span<const uint8_t>(fixed).first(tsn::kPlayerRecordSize),
                                               tsn::kPlayerCheckMask);
        for (size_t i = 0; i < 4; ++i)
            fixed[tsn::kPlayerRecordSize + i] = static_cast<uint8_t>(check >> (8 * i));
        FUZZ_CHECK(tsn::DecodePlayerFile(fixed).ok());
        Check(fixed.data(), fixed.size());
    }
    return 0;
}
