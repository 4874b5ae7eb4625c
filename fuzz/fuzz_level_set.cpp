// Level sets from arbitrary bytes: the first byte chooses the level, the rest is the file.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/game_state.h"
#include "files/level_set_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < 1) return 0;
    const std::span<const uint8_t> file(data + 1, size - 1);
    // One state for all inputs: building a fresh one costs more than reading a level.
    static tsn::GameState s;
    s.clock = [] { return 1234567; };
    s.CurrentLevelNumber = data[0];
    s.LoadedLevelNumber = static_cast<uint8_t>(data[0] >> 1);
    const bool restart = (data[0] & 1) != 0;
    const auto st = tsn::ReadLevelSet(s, file, restart);
    FUZZ_CHECK(st.ok() == s.LevelLoaded);
    if (st.ok()) {
        FUZZ_CHECK(s.FieldWidth == 60 && s.FieldHeight == 24);
        FUZZ_CHECK(s.LevelBytes.size() == 1536);
        FUZZ_CHECK(!s.LevelHasDemo);
        const size_t start = 1536u * (s.CurrentLevelNumber - 1u);
        FUZZ_CHECK(start < file.size());
        for (size_t i = 0; i < 1536; ++i) {
            const uint16_t want = start + i < file.size() ? file[start + i] : 0;
            FUZZ_CHECK(s.PlayField16[static_cast<int>(i)] == want);
        }
    }
    const int count = tsn::LevelSetListCount(static_cast<int64_t>(file.size()));
    FUZZ_CHECK(count >= 1);
    return 0;
}
