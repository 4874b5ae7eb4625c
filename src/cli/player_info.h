#pragma once
// tessarin-cli info on a player file: the player, the level digest and each level's progress.
#include <string>

namespace tsn::cli {

// True when the file begins with the player file's magic.
bool IsPlayerFile(const std::string& path);

// Prints the player file; false (with the error on stderr) when it cannot be read or is
// corrupt.
bool PrintPlayerFile(const std::string& path);

}  // namespace tsn::cli
