// A level from arbitrary bytes, then a few hundred frames of it with actions from the input.
//
//   byte 0        bits 0-1: 0 level set, 1 single-level file, 2 container, 3 container built
//                 here from a geometry and a few placed elements (wide levels from short
//                 inputs); bit 2: play the file's own demo; bits 3-7: level number - 1 of a set
//   bytes 1-2     random seed (runs without a demo)
//   bytes 3-4     length L of the level part
//   next L bytes  the file, or for mode 3: width, height (16 bits each), then up to 64
//                 placements of position (16 bits, modulo the cells) and element code
//   the rest      actions: low nibble the action, high nibble the frames it is held minus 1
//
// The field's own bounds check (TESSARIN_CHECKED_FIELD) stops the fuzzer at the first index
// outside the field.
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "engine/game_state.h"
#include "engine/level_info.h"
#include "engine/run.h"
#include "files/level_record.h"
#include "files/level_set_file.h"
#include "files/qv_file.h"
#include "files/tsn_file.h"
#include "files/tsn_header.h"
#include "fuzz_check.h"
#include "run/run_setup.h"

namespace {

constexpr int64_t kMaxFrames = 300;

int Le16(std::span<const uint8_t> d, size_t at) {
    return d.size() >= at + 2 ? d[at] | (d[at + 1] << 8) : 0;
}

// A one-level container of the given geometry, empty but for the placed elements.
std::vector<uint8_t> BuiltContainer(std::span<const uint8_t> layout) {
    const int w = Le16(layout, 0), h = Le16(layout, 2);
    if (!tsn::IsValidLevelSize(w, h)) return {};
    std::vector<uint8_t> field(static_cast<size_t>(w * h), 0);
    for (size_t at = 4; at + 3 <= layout.size() && at < 4 + 3 * 64; at += 3) {
        field[static_cast<size_t>(Le16(layout, at)) % field.size()] = layout[at + 2];
    }
    return tsn::TsnBytes(w, h, field, tsn::LevelInfo{}, {});
}

tsn::FileStatus Read(tsn::GameState& s, int mode, std::span<const uint8_t> part) {
    switch (mode) {
        case 0: return tsn::ReadLevelSet(s, part);
        case 1: return tsn::ReadQV(s, part);
        case 2: return tsn::ReadTSN(s, part);
        default: {
            const auto built = BuiltContainer(part);
            if (built.empty()) return tsn::FileError{"fuzz", 0, "no level"};
            return tsn::ReadTSN(s, built);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::span<const uint8_t> in(data, size);
    if (size < 5) return 0;
    const int mode = data[0] & 3;
    const bool demo = (data[0] & 4) != 0 && mode != 3;
    const size_t length = std::min<size_t>(static_cast<size_t>(Le16(in, 3)), size - 5);
    const auto part = in.subspan(5, length);
    const auto actions = in.subspan(5 + length);

    tsn::GameState s;
    s.clock = [] { return 4711; };
    tsn::RunSetup setup;
    setup.read = [&](tsn::GameState& st) { return Read(st, mode, part); };
    setup.level = (data[0] >> 3) + 1;
    setup.demo = demo;
    if (!demo) setup.seed = static_cast<uint16_t>(Le16(in, 1));
    if (!tsn::PrepareRun(s, setup).ok()) return 0;
    if (demo && !s.LevelHasDemo) return 0;
    FUZZ_CHECK(tsn::BeginRun(s));
    const size_t bufferSize = s.LevelBytes.size();

    // Each action byte holds its action for 1..16 frames; after the last one Murphy rests.
    size_t next = 0;
    int held = 0, action = 0;
    const auto r = tsn::RunHeadless(s, [&](int64_t) {
        if (held == 0) {
            action = next < actions.size() ? actions[next] & 15 : 0;
            held = next < actions.size() ? (actions[next] >> 4) + 1 : 1;
            ++next;
        }
        --held;
        return action;
    }, kMaxFrames);
    FUZZ_CHECK(r.frames <= kMaxFrames);
    FUZZ_CHECK(s.LevelBytes.size() == bufferSize);
    return 0;
}
