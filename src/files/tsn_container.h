#pragma once
// An open level container for listing its levels: open it, read the info block of each level,
// close it. The file stays open in between.
#include <memory>
#include <span>
#include <string>

#include "files/byte_source.h"
#include "files/file_error.h"
#include "files/tsn_header.h"

namespace tsn {

class TsnContainer {
public:
    // Opens the container and reads its header and directory. Only the magic, the count and
    // the directory's extent are checked here; any version is accepted, so that newer files
    // can still be listed. On failure the container stays closed.
    FileStatus TsnOpen(const std::string& path);
    FileStatus TsnOpen(std::span<const uint8_t> data);
    // The info block of level n (1-based); fails when no container is open or the level's
    // directory entry is unusable.
    FileResult<LevelInfo> TsnLoadLInfo(int n);
    void TsnClose();

    bool IsOpen() const { return src_ != nullptr; }
    const TsnHeader& Header() const { return header_; }
    int16_t ContainerVersion() const { return header_.version; }
    int16_t LevelCount() const { return header_.count; }
    const std::vector<LevelDirectoryEntry>& LevelDirectory() const { return header_.directory; }

private:
    FileStatus OpenSource(std::unique_ptr<ByteSource> src);

    std::unique_ptr<ByteSource> src_;
    TsnHeader header_;
};

}  // namespace tsn
