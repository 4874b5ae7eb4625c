#pragma once
// The player file of a level file on disk: one folder per level-file content below the
// "Player" folder, named after the file and its digest, holding "player.lst".
#include <string>

#include "files/file_error.h"
#include "files/player_record.h"

namespace tsn {

inline constexpr const char* kPlayerFileName = "player.lst";

// The folder name of a level file's progress: the file's name without its folder, "_" and the
// level digest.
std::string PlayerFolderName(const std::string& levelFile, const std::string& digest);

// Reads and verifies a player file. A file that cannot be read in full, has another length
// than 4572 bytes or a wrong check value is refused as corrupt.
FileResult<PlayerRecord> LoadPlayerFile(const std::string& path);

// Writes the record (magic and check value included) through the safe writer: a failure
// leaves the previous file as it was.
FileStatus SavePlayerFile(const std::string& path, const PlayerRecord& r);

// Moves a player file out of the way beside itself as path + "." + kind, or, when that name
// is taken, path + "." + kind + "2", "3", ... An existing file is never replaced. Returns the
// new path.
FileResult<std::string> SetPlayerFileAside(const std::string& path, const std::string& kind);

// What matching a level file with its player file found.
struct PlayerFileMatch {
    PlayerRecord record;
    std::string path;        // the player file
    int firstNotPlayed = 0;  // lowest position 0 .. 110 not played, 0 when there is none
    enum class Trouble { None, Corrupt, Mismatch };
    // A corrupt file, or one that belongs to other level-file contents, was set aside and a
    // new record started.
    Trouble trouble = Trouble::None;
    std::string setAsidePath;
};

// Finds or creates the player file of `levelFile` below `playerRoot` and loads it. A missing
// folder or file gets a new record (identity from `name` and `email`), saved at once. A
// corrupt file ("player.lst.corrupt") or one whose digest is another file's
// ("player.lst.mismatch") is set aside and replaced by a new record, so the game goes on. An
// error means no record could be saved (or the level file could not be read).
FileResult<PlayerFileMatch> DoPlayerThings(const std::string& playerRoot,
                                           const std::string& levelFile,
                                           const std::string& name, const std::string& email);

}  // namespace tsn
