#pragma once
// The saved-game file (.tss): the complete state of a running game, so that a later load
// continues from exactly that frame as if the run had never been interrupted.
//
// Layout (little-endian), in this order: "TSS", format byte 17, the level file's digest (32
// upper-case hexadecimal characters), the run's scalars, Murphy's animation sequence, the demo
// playback and recorder scalars, the arrays (play field, field bytes, level bytes, active cells
// and codes, terminal blink timers; each preceded by its 32-bit lower and upper bound), the
// 96-byte info block, the recorder's counters, a 255-byte mixing table, the recorded demo
// bytes XORed with the table, and the check value (CRC of every byte before it XOR
// 0x3C59E2B1).
//
// Murphy's animation sequence is stored self-describing: type tag 2 (16-bit integers, 1 byte),
// dimension count 1 (1 byte), element count (32-bit), lower bound 0 (32-bit), then the
// elements (16-bit each).
//
// The three engine words carry the state that has no named place in the layout:
//   word A: the cell code Murphy is moving down onto (MurphyDownTarget);
//   byte B: bit 0 red-disk cheat allowed, bit 1 eat-right red-disk bug allowed, bit 2 a demo is
//           being played back, bit 3 a demo has been recorded in this run;
//   word C: the frames the red-disk count stays shown.
// The play field is stored over its whole backed range (the 16-bit cell range and its
// margins), so cells outside the level that the run wrote survive too.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/file_error.h"

namespace tsn {

struct GameState;

inline constexpr uint32_t kSavedGameMask = 0x3C59E2B1;
inline constexpr uint8_t kSavedGameFormat = 17;

// The header: magic, format byte, digest.
inline constexpr char kSavedGameMagic[] = "TSS";  // 3 characters, no terminator in the file
inline constexpr int kSavedGameMagicLength = 3;
inline constexpr int kSavedGameFormatAt = kSavedGameMagicLength;
inline constexpr int kSavedGameDigestAt = kSavedGameFormatAt + 1;
inline constexpr int kSavedGameDigestLength = 32;
inline constexpr int kSavedGameHeaderSize = kSavedGameDigestAt + kSavedGameDigestLength;
static_assert(sizeof(kSavedGameMagic) == kSavedGameMagicLength + 1);
static_assert(kSavedGameHeaderSize == 36);

// The saved game of `s` for the level file with digest `digest`. The mixing table is drawn
// from its own generator seeded with `tableSeed`; the game's random sequence is untouched.
std::vector<uint8_t> EncodeSavedGame(const GameState& s, const std::string& digest,
                                     uint64_t tableSeed);

enum class SavedGameRefusal {
    None,
    NotSavedGame,    // the magic is not "TSS"
    OtherLevelFile,  // saved from another level file, or another level of the running set
    Corrupt,         // check value, format, length, bounds or sizes do not fit
};

// The message shown for a refusal (empty for None).
std::string SavedGameRefusalText(SavedGameRefusal r);

// Looks at the header only: the magic and whether the stored digest is `digest`.
SavedGameRefusal CheckSavedGameHeader(std::span<const uint8_t> data, const std::string& digest);

// Reads the whole file into a copy of `s` and checks it against the running level (digest,
// check value, format, the file's length, every array's bounds against the level's geometry).
// Only when all of it holds is the state replaced, at once; otherwise `s` is untouched and the
// refusal is returned. SavedGameLoads is restored as stored; counting the load is the caller's.
SavedGameRefusal LoadSavedGame(GameState& s, std::span<const uint8_t> data,
                               const std::string& digest);

// What `tessarin-cli info` shows of a saved game, read without a level.
struct SavedGameSummary {
    std::string digest;
    int levelNumber = 0;
    int64_t frames = 0;
    int murphyCell = 0;
    int infotronsNeeded = 0;
    int64_t demoBytes = 0;
    bool checkValueHolds = false;
};
// False when the data is too short or not a saved game.
bool SummarizeSavedGame(std::span<const uint8_t> data, SavedGameSummary& out);

// The saved game's file in the user's Saves folder (created when missing): the level file's
// name without folder and extension, lower-cased, the digest and ".tss".
FileResult<std::string> SavedGamePath(const std::string& levelFile, const std::string& digest);

}  // namespace tsn
