// Single-level files from arbitrary bytes: read, then save again and read the saved bytes.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/game_state.h"
#include "files/level_record.h"
#include "files/qv_file.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);
    // One state for all inputs: building a fresh one costs more than reading a level.
    static tsn::GameState s;
    s.clock = [] { return 42; };
    const auto st = tsn::ReadQV(s, file);
    FUZZ_CHECK(st.ok() == s.LevelLoaded);
    if (!st.ok()) return 0;
    FUZZ_CHECK(s.LevelHasDemo == (size > 1536));
    FUZZ_CHECK(s.LevelBytes.size() == static_cast<size_t>(s.LevelBufferUpper) + 1);
    FUZZ_CHECK(s.DemoLengthFrames >= 0);
    FUZZ_CHECK(s.DemoLengthFrames <= 16 * static_cast<int64_t>(size));
    if (s.DemoHasSignature) FUZZ_CHECK(s.DemoSignature.size() < size);

    // Saving keeps the level and, answering "keep", the demo keys up to their end marker.
    tsn::SaveOptions keep;
    keep.saveWithoutDemo = [] { return false; };
    keep.saveWithMySignature = [] { return false; };
    const auto built = tsn::BuildQV(s, false, keep);
    FUZZ_CHECK(built.ok());
    static tsn::GameState r;
    FUZZ_CHECK(tsn::ReadQV(r, built->bytes).ok());
    FUZZ_CHECK(r.FieldBytes == tsn::FieldCodesForFile(s.FieldBytes));
    FUZZ_CHECK(r.LevelHasDemo == s.LevelHasDemo);
    if (s.LevelHasDemo) FUZZ_CHECK(r.DemoLengthFrames == s.DemoLengthFrames);

    const auto clean = tsn::BuildQV(s, true, keep);
    FUZZ_CHECK(clean.ok() && clean->bytes.size() == 1536);
    return 0;
}
