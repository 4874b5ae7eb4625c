// Saved games from arbitrary bytes, loaded into a running game of a built-in level.
//
// An input that begins with "TSS" is the whole file. Any other input patches a genuine saved
// game of that run: byte 0 bit 0 set re-seals the check value after patching (so the bytes
// reach the checks behind it), the rest are patches of four bytes each: offset (24 bits,
// modulo the file's length) and the new byte. A load that is refused must leave the game as
// it was; a load that succeeds must be playable for sixty frames.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "engine/field_hash.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "files/check_value.h"
#include "files/saved_game.h"
#include "fuzz_check.h"
#include "run/run_setup.h"

namespace {

const std::string kDigest = "00112233445566778899AABBCCDDEEFF";

// A standard level with Murphy, Zonks, Infotrons, an enemy, disks and a terminal.
tsn::GameState StartedRun() {
    tsn::GameState s;
    s.clock = [] { return 42; };
    s.SetGeometry(tsn::kStandardWidth, tsn::kStandardHeight);
    const uint8_t row[] = {6, 0, 1, 4, 1, 0, 17, 0, 8, 0, 19, 0, 20, 0, 18, 0, 24, 0, 3, 0};
    for (int y = 0; y < tsn::kStandardHeight; ++y)
        for (int x = 0; x < tsn::kStandardWidth; ++x) {
            const bool edge = x == 0 || y == 0 || x == tsn::kStandardWidth - 1 || y == tsn::kStandardHeight - 1;
            const int i = s.CellIndex(x, y);
            const uint8_t code = x == 30 && y == 12 ? uint8_t{3}  // Murphy
                                 : edge             ? uint8_t{6}
                                                    : row[static_cast<size_t>((x * 7 + y * 3) % 20)];
            s.FieldBytes[static_cast<size_t>(i)] = code;
            s.PlayField16[i] = code;
        }
    s.LevelLoaded = true;
    tsn::RunSetup setup;
    setup.readLevel = false;
    setup.seed = 99;
    (void)tsn::PrepareRun(s, setup);
    tsn::BeginRun(s);
    for (int f = 0; f < 40; ++f) tsn::RunOneFrame(s, f % 5);
    return s;
}

// What a half-applied load would change: the field, the run's counters, Murphy, the recorder.
std::vector<uint64_t> Marks(const tsn::GameState& s) {
    return {tsn::FieldHash(s), static_cast<uint64_t>(s.FrameCounter), static_cast<uint64_t>(s.MurphyPos),
            s.RandomSeed, static_cast<uint64_t>(s.DemoBuffer.Size()), s.LevelBytes.size(),
            s.MurphyAnimSequence.size(), static_cast<uint64_t>(s.DemoReadIndex), s.DemoPlayback};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const tsn::GameState base = StartedRun();
    static const std::vector<uint8_t> genuine = tsn::EncodeSavedGame(base, kDigest, 7);
    static const std::vector<uint64_t> baseMarks = Marks(base);

    std::vector<uint8_t> file;
    const std::span<const uint8_t> in(data, size);
    if (size >= 3 && in[0] == 'T' && in[1] == 'S' && in[2] == 'S') {
        file.assign(in.begin(), in.end());
    } else {
        file = genuine;
        for (size_t at = 1; at + 4 <= size; at += 4) {
            const size_t offset = (in[at] | (in[at + 1] << 8) | (in[at + 2] << 16)) % file.size();
            file[offset] = in[at + 3];
        }
        if (size > 0 && (in[0] & 1) != 0) {
            const uint32_t check = tsn::CheckValue(std::span(file).first(file.size() - 4),
                                                   tsn::kSavedGameMask);
            for (size_t i = 0; i < 4; ++i)
                file[file.size() - 4 + i] = static_cast<uint8_t>(check >> (8 * i));
        }
    }

    static tsn::GameState s;
    s = base;
    const tsn::SavedGameRefusal r = tsn::LoadSavedGame(s, file, kDigest);
    tsn::SavedGameSummary summary;
    (void)tsn::SummarizeSavedGame(file, summary);
    if (r != tsn::SavedGameRefusal::None) {
        FUZZ_CHECK(Marks(s) == baseMarks);
        return 0;
    }
    FUZZ_CHECK(summary.checkValueHolds);
    for (int f = 0; f < 60; ++f)
        if (tsn::RunOneFrame(s, f % 10)) break;
    return 0;
}
