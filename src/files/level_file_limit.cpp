#include "files/level_file_limit.h"

namespace tsn {

FileStatus CheckLevelFileSize(int64_t size, const std::string& procedure) {
    if (size <= kMaxLevelFileSize) return {};
    return FileError{procedure, 0,
                     "The file is " + std::to_string(size) +
                         " bytes long; level files are limited to " +
                         std::to_string(kMaxLevelFileSize) + " bytes (2 GiB - 1)"};
}

FileError OutOfMemoryError(const std::string& procedure) {
    return FileError{procedure, 0, "Not enough memory to read the level"};
}

}  // namespace tsn
