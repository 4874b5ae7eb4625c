// Level containers from arbitrary bytes: the reader, the listing of every level, and a save of
// whatever was read.
#include <cstddef>
#include <cstdint>
#include <span>

#include "engine/game_state.h"
#include "files/level_record.h"
#include "files/tsn_container.h"
#include "files/tsn_file.h"
#include "files/tsn_header.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> file(data, size);

    tsn::TsnContainer c;
    if (c.TsnOpen(file).ok()) {
        FUZZ_CHECK(c.LevelCount() >= 1);
        FUZZ_CHECK(8 + 12 * static_cast<size_t>(c.LevelCount()) <= size);
        tsn::MemorySource src(file);
        for (int n = 1; n <= c.LevelCount(); ++n) {
            const auto info = c.TsnLoadLInfo(n);
            const auto level = tsn::ParseTsnLevel(src, c.Header(), n, "ReadTSN");
            if (level.ok()) {
                FUZZ_CHECK(info.ok() && info->bytes == level->info.bytes);
                FUZZ_CHECK(level->bytes.size() <= size);
            }
        }
        c.TsnClose();
    }

    // One state for all inputs: building a fresh one costs more than reading a level.
    static tsn::GameState s;
    s.clock = [] { return 7; };
    s.DemoPlayback = size > 0 ? data[size - 1] & 1 : 0;
    const auto st = tsn::ReadTSN(s, file);
    FUZZ_CHECK(st.ok() == s.LevelLoaded);
    if (!st.ok()) return 0;
    FUZZ_CHECK(tsn::IsValidLevelSize(s.FieldWidth, s.FieldHeight));
    FUZZ_CHECK(s.LevelBytes.size() == static_cast<size_t>(s.LevelBufferUpper) + 1);
    FUZZ_CHECK(s.LevelBytes.size() <= size);
    FUZZ_CHECK(s.DemoStartIndex == s.LevelRecordUpper + 1);

    tsn::SaveOptions keep;
    keep.editorHandOver = true;  // keep the loaded demo without asking
    const auto built = tsn::BuildTSN(s, false, keep);
    FUZZ_CHECK(built.ok());
    static tsn::GameState r;
    r.DemoPlayback = 1;
    FUZZ_CHECK(tsn::ReadTSN(r, built->bytes).ok());
    FUZZ_CHECK(r.FieldWidth == s.FieldWidth && r.FieldHeight == s.FieldHeight);
    FUZZ_CHECK(r.FieldBytes == tsn::FieldCodesForFile(s.FieldBytes));
    FUZZ_CHECK(r.LevelHasDemo == s.LevelHasDemo);
    if (s.LevelHasDemo) FUZZ_CHECK(r.DemoLengthFrames == s.DemoLengthFrames);
    FUZZ_CHECK(r.RandomSeed == s.Info.randomSeed());
    return 0;
}
