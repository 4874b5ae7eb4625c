#include "files/tsn_header.h"

#include <algorithm>
#include <cstring>

#include "files/level_file_limit.h"
#include "files/signature.h"

namespace tsn {

FileResult<TsnHeader> ParseTsnHeader(ByteSource& src, const std::string& procedure,
                                     bool requireVersion1) {
    uint8_t head[kTsnHeaderSize];
    if (auto st = CheckLevelFileSize(src.Size(), procedure); !st) return st.error();
    if (!src.Holds(0, kTsnHeaderSize)) {
        return FileError{procedure, 0, "The file is too short for a level container header"};
    }
    if (!src.Read(0, sizeof head, head)) {
        return FileError{procedure, 2, "Cannot read the header: " + src.LastError()};
    }
    if (std::memcmp(head, kTsnMagic, 4) != 0) {
        return FileError{procedure, 0, "The file is not a Tessarin level container"};
    }
    TsnHeader h;
    h.version = GetI16(head + 4);
    h.count = GetI16(head + 6);
    if (requireVersion1 && h.version != 1) {
        return FileError{procedure, 0,
                         "Unsupported level container version " + std::to_string(h.version)};
    }
    if (h.count < 1) {
        return FileError{procedure, 0, "Invalid level count " + std::to_string(h.count)};
    }
    const int64_t dirBytes = static_cast<int64_t>(kTsnEntrySize) * h.count;
    if (!src.Holds(kTsnHeaderSize, dirBytes)) {
        return FileError{procedure, 0, "The level directory extends past the end of the file"};
    }
    std::vector<uint8_t> dir(static_cast<size_t>(dirBytes));
    if (!src.Read(kTsnHeaderSize, dir.size(), dir.data())) {
        return FileError{procedure, 3, "Cannot read the level directory: " + src.LastError()};
    }
    h.directory.resize(static_cast<size_t>(h.count));
    for (size_t i = 0; i < h.directory.size(); ++i) {
        const uint8_t* e = dir.data() + kTsnEntrySize * i;
        h.directory[i] = {GetI16(e), GetI16(e + 2), GetI32(e + 4), GetI32(e + 8)};
    }
    return h;
}

namespace {

// Checks entry n and returns it, or the reason it cannot be read.
FileResult<LevelDirectoryEntry> CheckedEntry(const TsnHeader& header, int n,
                                             const std::string& procedure) {
    const std::string level = "Level " + std::to_string(n);
    if (n < 1 || n > static_cast<int>(header.directory.size())) {
        return FileError{procedure, 0, level + " is not in the level directory"};
    }
    const auto& e = header.directory[static_cast<size_t>(n - 1)];
    if (!IsValidLevelSize(e.width, e.height)) {
        return FileError{procedure, 0,
                         level + " has an invalid size " + std::to_string(e.width) + " x " +
                             std::to_string(e.height)};
    }
    if (e.position < 1) {
        return FileError{procedure, 0, level + " has an invalid position " + std::to_string(e.position)};
    }
    if (e.size < 0) {
        return FileError{procedure, 0, level + " has an invalid data size " + std::to_string(e.size)};
    }
    return e;
}

}  // namespace

FileResult<LoadedLevel> ParseTsnLevel(ByteSource& src, const TsnHeader& header, int n,
                                      const std::string& procedure) {
    auto entry = CheckedEntry(header, n, procedure);
    if (!entry) return entry.error();
    const auto& e = *entry;
    LoadedLevel level;
    level.width = e.width;
    level.height = e.height;
    const int record = level.recordSize();
    const int64_t length = std::max<int64_t>(e.size, record);
    const int64_t offset = static_cast<int64_t>(e.position) - 1;
    if (!src.Holds(offset, length)) {
        return FileError{procedure, 0,
                         "The data of level " + std::to_string(n) + " lies outside the file"};
    }
    level.bytes.resize(static_cast<size_t>(length));
    if (!src.Read(offset, level.bytes.size(), level.bytes.data())) {
        return FileError{procedure, 4, "Cannot read the level: " + src.LastError()};
    }
    std::copy_n(level.bytes.begin() + (record - kLevelInfoSize), kLevelInfoSize,
                level.info.bytes.begin());
    level.hasDemo = length > record;
    if (level.hasDemo) {
        // The signature belongs to this level: search its own data only.
        const auto sig = FindSignature(src, offset, offset + length);
        if (sig.readError) {
            return FileError{"ReadSignature", 2, "Cannot read the signature: " + src.LastError()};
        }
        level.hasSignature = sig.found;
        level.signature = sig.text;
    }
    return level;
}

FileResult<LevelInfo> ParseTsnLevelInfo(ByteSource& src, const TsnHeader& header, int n,
                                        const std::string& procedure) {
    auto entry = CheckedEntry(header, n, procedure);
    if (!entry) return entry.error();
    const int64_t offset =
        static_cast<int64_t>(entry->position) - 1 + entry->width * entry->height;
    LevelInfo info;
    if (!src.Holds(offset, kLevelInfoSize)) {
        return FileError{procedure, 0,
                         "The info block of level " + std::to_string(n) + " lies outside the file"};
    }
    if (!src.Read(offset, kLevelInfoSize, info.bytes.data())) {
        return FileError{procedure, 2, "Cannot read the level info: " + src.LastError()};
    }
    return info;
}

std::vector<uint8_t> TsnBytes(int width, int height, const std::vector<uint8_t>& field,
                              const LevelInfo& info, const std::vector<uint8_t>& demo) {
    std::vector<uint8_t> out;
    const int record = width * height + kLevelInfoSize;
    out.reserve(static_cast<size_t>(kTsnHeaderSize + kTsnEntrySize + record) + demo.size());
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>(kTsnMagic[i]));
    PutI16(out, 1);
    PutI16(out, 1);
    PutI16(out, width);
    PutI16(out, height);
    PutI32(out, kTsnHeaderSize + kTsnEntrySize + 1);
    PutI32(out, static_cast<int32_t>(record + static_cast<int64_t>(demo.size())));
    out.insert(out.end(), field.begin(), field.end());
    out.insert(out.end(), info.bytes.begin(), info.bytes.end());
    out.insert(out.end(), demo.begin(), demo.end());
    return out;
}

}  // namespace tsn
