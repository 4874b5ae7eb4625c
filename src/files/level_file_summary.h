#pragma once
// Everything a level file holds, level by level, without loading any level: for listings such
// as the command-line "info".
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "files/file_error.h"
#include "engine/level_info.h"

namespace tsn {

struct LevelSummary {
    int number = 0;
    int width = 0;
    int height = 0;
    LevelInfo info;
    bool hasDemo = false;
    int64_t demoFrames = 0;
    bool hasSignature = false;
    std::string signature;
    std::optional<FileError> error;  // set when this level could not be read
};

enum class LevelFileKind { kLevelSet, kQv, kTsn };

struct LevelFileSummary {
    LevelFileKind kind = LevelFileKind::kLevelSet;
    int version = 0;  // containers only
    std::vector<LevelSummary> levels;
};

// Reads every level of a level set (as the level list shows them), the one level of a "*.qv"
// file, or every level of a "*.tsn" directory with its own demo block. A file that cannot be
// opened or whose kind or header is not recognised is an error; a container level that cannot
// be read carries its own error and the others are still read. A container level whose data
// overlaps the data of a level listed before it is not read (it carries an error naming that
// level), so the work stays in proportion to the file's length. Files above the level file
// limit and running out of memory are errors, never a crash.
FileResult<LevelFileSummary> SummarizeLevelFile(const std::string& path);

}  // namespace tsn
