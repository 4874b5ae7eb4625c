#include "files/saved_game_file.h"

#include <algorithm>
#include <random>

#include "files/byte_source.h"
#include "files/level_digest.h"
#include "files/safe_write.h"
#include "files/saved_game.h"

namespace tsn {

FileResult<SavedGameLocation> LocateSavedGame(const std::string& levelFile) {
    auto digest = DigestFileToHexStr(levelFile);
    if (!digest) return digest.error();
    auto path = SavedGamePath(levelFile, *digest);
    if (!path) return path.error();
    return SavedGameLocation{*digest, *path};
}

FileResult<std::vector<uint8_t>> ReadSavedGameFile(const std::string& path, size_t limit) {
    FileSource src;
    if (!src.Open(path)) return FileError{"LoadSavedGame", 1, src.LastError()};
    std::vector<uint8_t> data(std::min(static_cast<size_t>(src.Size()), limit));
    if (!src.Read(0, data.size(), data.data()))
        return FileError{"LoadSavedGame", 2, src.LastError()};
    return data;
}

FileStatus WriteSavedGameFile(const std::string& path, const GameState& s,
                              const std::string& digest) {
    std::random_device device;
    const uint64_t tableSeed = (static_cast<uint64_t>(device()) << 32) | device();
    return WriteFileSafely(path, EncodeSavedGame(s, digest, tableSeed), "QuickSave");
}

}  // namespace tsn
