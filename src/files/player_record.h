#pragma once
// A player's progress through one level file, as the "player.lst" file holds it: a 4568-byte
// record (little-endian) followed by a 4-byte check value. Bytes the program does not
// interpret (format byte, reserved fields) are kept as read, so a record read and written
// again changes only what the program changed.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "files/file_error.h"

namespace tsn {

inline constexpr int kProgressEntries = 111;
inline constexpr size_t kProgressEntrySize = 40;
inline constexpr size_t kPlayerRecordSize = 4568;
inline constexpr size_t kPlayerFileSize = kPlayerRecordSize + 4;
inline constexpr uint32_t kPlayerCheckMask = 0x6B1D52C4;
inline constexpr char kPlayerMagic[] = "TSPFILE";  // 7 characters, no terminator in the file
inline constexpr size_t kPlayerNameSize = 25;
inline constexpr size_t kPlayerEmailSize = 50;
// The 32-bit value new files carry at offset 4448 (not interpreted).
inline constexpr uint32_t kNewPlayerReserved = 32323232;

// The state byte of a level's progress.
enum ProgressState : uint8_t { kNotPlayed = 0, kSolved = 1, kSkipped = 2 };

struct LevelProgressEntry {
    uint8_t state = kNotPlayed;
    std::array<uint8_t, 3> reserved{};
    int32_t playTime = 0;  // milliseconds over all runs
    int32_t runs = 0;
    int32_t steps = 0;      // over all runs
    int32_t bestSteps = 0;  // fewest steps of a solving run, 0 = none yet
    std::array<uint8_t, 20> reserved2{};
};

struct PlayerRecord {
    uint8_t format = 16;
    std::array<LevelProgressEntry, kProgressEntries> progress{};
    uint32_t reserved = kNewPlayerReserved;
    std::string name;   // at most 25 characters, stored blank padded
    std::string email;  // at most 50 characters, stored blank padded
    uint8_t allLevelsCompleted = 0;
    std::array<uint8_t, 8> reserved2{};  // offsets 4528 .. 4535
    std::string digest;                  // 32 hexadecimal characters

    // Sum of the play times of all entries in milliseconds (never above INT32_MAX).
    int32_t TotalPlayTime() const;
};

// A new record: every level not played, the given identity (cut to its field) and digest.
PlayerRecord NewPlayerRecord(const std::string& name, const std::string& email,
                             const std::string& digest);

// The 4572 bytes of the file: magic, the record, the check value over the first 4568 bytes.
std::vector<uint8_t> EncodePlayerFile(const PlayerRecord& r);

// True when `bytes` begin with the player file's magic.
bool HasPlayerMagic(std::span<const uint8_t> bytes);

// The record of a file's bytes. A file of another length than 4572 bytes, or whose check
// value does not match, is refused as corrupt (procedure "LoadPlayerFile", step 0,
// description "The player file is corrupt!").
FileResult<PlayerRecord> DecodePlayerFile(std::span<const uint8_t> bytes);

// Names and texts of fixed-width fields: trailing blanks and NULs removed.
std::string TrimField(std::string text);

}  // namespace tsn
