#include "files/player_file.h"

#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <vector>

#include "files/byte_source.h"
#include "files/level_digest.h"
#include "files/path_names.h"
#include "files/safe_write.h"

namespace tsn {
namespace fs = std::filesystem;

namespace {

int FirstNotPlayed(const PlayerRecord& r) {
    for (int i = 0; i < kProgressEntries; ++i)
        if (r.progress[static_cast<size_t>(i)].state == kNotPlayed) return i;
    return 0;
}

}  // namespace

std::string PlayerFolderName(const std::string& levelFile, const std::string& digest) {
    return fs::path(levelFile).filename().string() + "_" + digest;
}

FileResult<PlayerRecord> LoadPlayerFile(const std::string& path) {
    FileSource src;
    if (!src.Open(path)) return FileError{"LoadPlayerFile", 0, "The player file is corrupt!"};
    // A file of the wrong length is refused without reading more than the record's length.
    std::vector<uint8_t> bytes(kPlayerFileSize);
    if (src.Size() != static_cast<int64_t>(kPlayerFileSize) ||
        !src.Read(0, bytes.size(), bytes.data())) {
        return FileError{"LoadPlayerFile", 0, "The player file is corrupt!"};
    }
    return DecodePlayerFile(bytes);
}

FileStatus SavePlayerFile(const std::string& path, const PlayerRecord& r) {
    return WriteFileSafely(path, EncodePlayerFile(r), "SavePlayerFile");
}

FileResult<std::string> SetPlayerFileAside(const std::string& path, const std::string& kind) {
    for (int n = 1; n < 10000; ++n) {
        const std::string target = path + "." + kind + (n == 1 ? "" : std::to_string(n));
        // A hard link fails when the name is taken, so nothing is ever replaced.
        if (::link(path.c_str(), target.c_str()) == 0) {
            if (::unlink(path.c_str()) != 0) {
                const std::string why = std::strerror(errno);
                ::unlink(target.c_str());
                return FileError{"SetPlayerFileAside", 2, "Cannot move " + path + ": " + why};
            }
            return target;
        }
        if (errno != EEXIST) {
            return FileError{"SetPlayerFileAside", 1,
                             "Cannot set " + path + " aside: " + std::strerror(errno)};
        }
    }
    return FileError{"SetPlayerFileAside", 1, "Too many files set aside beside " + path};
}

FileResult<PlayerFileMatch> DoPlayerThings(const std::string& playerRoot,
                                           const std::string& levelFile,
                                           const std::string& name, const std::string& email) {
    auto digest = DigestFileToHexStr(levelFile);
    if (!digest) return digest.error();
    const fs::path folder = fs::path(playerRoot) / PlayerFolderName(levelFile, *digest);
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) {
        return FileError{"DoPlayerThings", 1,
                         "Cannot create the folder " + folder.string() + ": " + ec.message()};
    }
    PlayerFileMatch m;
    m.path = (folder / kPlayerFileName).string();
    const bool exists = fs::exists(fs::symlink_status(m.path, ec));
    if (exists) {
        auto loaded = LoadPlayerFile(m.path);
        if (!loaded) {
            m.trouble = PlayerFileMatch::Trouble::Corrupt;
        } else if (ToLower(loaded->digest) != ToLower(*digest)) {
            m.trouble = PlayerFileMatch::Trouble::Mismatch;
        } else {
            m.record = std::move(*loaded);
            m.firstNotPlayed = FirstNotPlayed(m.record);
            return m;
        }
        auto aside = SetPlayerFileAside(
            m.path, m.trouble == PlayerFileMatch::Trouble::Corrupt ? "corrupt" : "mismatch");
        if (!aside) return aside.error();
        m.setAsidePath = *aside;
    }
    m.record = NewPlayerRecord(name, email, *digest);
    const FileStatus saved = SavePlayerFile(m.path, m.record);
    if (!saved) return saved.error();
    return m;
}

}  // namespace tsn
