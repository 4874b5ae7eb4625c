#pragma once
// The header and directory of a level container ("*.tsn"):
//   "TSN " | version (16-bit, 1) | count (16-bit, ≥ 1) | count × 12-byte directory entries
// followed by each level's field bytes, its 96-byte info block and an optional demo block.
// Integers are little-endian; positions are 1-based file positions.
#include <cstdint>
#include <string>
#include <vector>

#include "files/byte_source.h"
#include "files/file_error.h"
#include "files/level_record.h"

namespace tsn {

inline constexpr char kTsnMagic[] = "TSN ";
inline constexpr int kTsnHeaderSize = 8;
inline constexpr int kTsnEntrySize = 12;

struct LevelDirectoryEntry {
    int16_t width = 0;
    int16_t height = 0;
    int32_t position = 0;  // 1-based position of the first field byte
    int32_t size = 0;      // W·H + 96, plus the demo block when there is one
};

struct TsnHeader {
    int16_t version = 0;
    int16_t count = 0;
    std::vector<LevelDirectoryEntry> directory;
};

// Reads and checks the header: a file no longer than kMaxLevelFileSize, the magic, the version
// (when `requireVersion1`), a count of at least 1 and a directory that lies inside the file.
// Refusals name `procedure`.
FileResult<TsnHeader> ParseTsnHeader(ByteSource& src, const std::string& procedure,
                                     bool requireVersion1);

// Reads level n (1-based) of the directory with its demo block and signature. The level size
// must be valid and its whole data (at least W·H + 96 bytes) must lie inside the file.
FileResult<LoadedLevel> ParseTsnLevel(ByteSource& src, const TsnHeader& header, int n,
                                      const std::string& procedure);

// Reads only the info block of level n.
FileResult<LevelInfo> ParseTsnLevelInfo(ByteSource& src, const TsnHeader& header, int n,
                                        const std::string& procedure);

// The bytes of a one-level container holding the given field, info block and demo block.
std::vector<uint8_t> TsnBytes(int width, int height, const std::vector<uint8_t>& field,
                              const LevelInfo& info, const std::vector<uint8_t>& demo);

}  // namespace tsn
