#pragma once
// The largest level file the readers take, and the one answer they give to running out of
// memory while reading.
#include <cstdint>
#include <limits>
#include <string>

#include "files/file_error.h"

namespace tsn {

// A demo is played from the level bytes through a 32-bit signed index, and the recorder counts
// the bytes of its whole chain of buffers in a 32-bit signed length: no demo the game records
// or can play reaches past byte 2^31 − 1. Every level file is refused above that length
// (2,147,483,647 bytes, 2 GiB − 1) before anything is allocated for it.
inline constexpr int64_t kMaxLevelFileSize = std::numeric_limits<int32_t>::max();

// Success when a file of `size` bytes may be read; otherwise the refusal, naming `procedure`.
FileStatus CheckLevelFileSize(int64_t size, const std::string& procedure);

// The failure reported when memory for a level runs out while it is read.
FileError OutOfMemoryError(const std::string& procedure);

}  // namespace tsn
