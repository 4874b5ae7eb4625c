#pragma once
// Working files in the Temp folder: the level file of this running copy of the program, the
// containers of finished runs, and the removal of files left by copies no longer running.
#include <cstdint>
#include <functional>
#include <string>

#include "files/file_error.h"

namespace tsn {

// "tmp0x" + the id as 8 upper-case hexadecimal digits + ".tsn".
std::string TempLevelFileName(uint32_t id);

// Deletes this copy's own temporary level file (when present) and every other
// "tmp0x*.tsn" file of `folder` whose id (the up to 8 hexadecimal digits after "tmp0x") does
// not belong to a running copy. Files that cannot be deleted are skipped. Returns the number
// of files deleted.
int RemoveStaleTempFiles(const std::string& folder, const std::string& ownFileName,
                         const std::function<bool(uint32_t id)>& stillRunning);

// What the name of a finished run's container is made of.
struct LastRunNameParts {
    std::string title;          // the level's title
    int levelNumber = 0;
    std::string levelFileName;  // the current level file's name without folder
    std::string dateTime;       // the current time and date; separators are removed
    int steps = 0;
    bool solved = false;
};

// title + number + level file name + "_" + date/time + steps + "T"/"F" + ".tsn", without the
// characters that are not allowed in file names, control characters, ! , ' . and quotes, and
// without the dashes and blanks it would begin with. A name longer than `maxBytes` loses the
// end of its title, number and level file name part.
std::string LastRunFileName(const LastRunNameParts& parts, size_t maxBytes = 255);

// A path in the Temp folder for a finished run's container, made unique with "-2", "-3", ...
// when a file (or link) of that name exists, and no longer than the folder's file system
// takes. The folder is created when missing.
FileResult<std::string> NewLastRunFile(const LastRunNameParts& parts);

}  // namespace tsn
