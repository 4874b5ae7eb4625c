#include "files/tsn_container.h"

namespace tsn {

FileStatus TsnContainer::TsnOpen(const std::string& path) {
    TsnClose();
    auto file = std::make_unique<FileSource>();
    if (!file->Open(path)) {
        return FileError{"TsnOpen", 1, "Cannot open " + path + ": " + file->LastError()};
    }
    return OpenSource(std::move(file));
}

FileStatus TsnContainer::TsnOpen(std::span<const uint8_t> data) {
    TsnClose();
    return OpenSource(std::make_unique<MemorySource>(data));
}

FileStatus TsnContainer::OpenSource(std::unique_ptr<ByteSource> src) {
    auto header = ParseTsnHeader(*src, "TsnOpen", false);
    if (!header) return header.error();
    header_ = std::move(*header);
    src_ = std::move(src);
    return {};
}

FileResult<LevelInfo> TsnContainer::TsnLoadLInfo(int n) {
    if (!src_) return FileError{"TsnLoadLInfo", 0, "No level container is open"};
    return ParseTsnLevelInfo(*src_, header_, n, "TsnLoadLInfo");
}

void TsnContainer::TsnClose() {
    src_.reset();
    header_ = TsnHeader();
}

}  // namespace tsn
