#pragma once
// The check made before a chosen file is opened as the current level file.
#include <string>

#include "files/file_error.h"

namespace tsn {

struct GameState;

// True when `path` names a readable level file; its first info block then becomes the current
// info block. Containers ("*.tsn") must have the right magic, version 1, a count of at least 1
// and a readable first level. Single-level files ("*.qv") and level sets (names ending in "dat"
// or in "d" and two digits, any case) must exist and not be empty. No level file may be longer
// than kMaxLevelFileSize. Any other name is refused
// without an error (the result's error has an empty description and step 0).
FileStatus LoadDemoFile(GameState& s, const std::string& path);

// True when the name is one LoadDemoFile accepts as a single-level file or level set.
bool IsRecordFileName(const std::string& path);

}  // namespace tsn
