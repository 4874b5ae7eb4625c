#include "files/level_digest.h"

#include <algorithm>
#include <vector>

#include "files/md5.h"

namespace tsn {

FileResult<std::string> DigestToHexStr(ByteSource& src) {
    int64_t length = src.Size();
    if (length > 0 && length % 64 == 0) length -= 64;
    Md5 md5;
    std::vector<uint8_t> block(64 * 1024);
    for (int64_t at = 0; at < length;) {
        const auto n = static_cast<size_t>(std::min<int64_t>(static_cast<int64_t>(block.size()), length - at));
        if (!src.Read(at, n, block.data())) {
            return FileError{"DigestFileToHexStr", 2, "Cannot read the file: " + src.LastError()};
        }
        md5.Update(std::span<const uint8_t>(block.data(), n));
        at += static_cast<int64_t>(n);
    }
    const auto digest = md5.Final();
    return HexUpper(digest);
}

FileResult<std::string> DigestFileToHexStr(const std::string& path) {
    FileSource src;
    if (!src.Open(path)) {
        return FileError{"DigestFileToHexStr", 1, "Cannot open " + path + ": " + src.LastError()};
    }
    return DigestToHexStr(src);
}

}  // namespace tsn
