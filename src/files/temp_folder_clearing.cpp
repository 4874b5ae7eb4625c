#include "files/temp_folder_clearing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace tsn {

TempFolderClearing::TempFolderClearing(const std::string& folder) {
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        std::error_code st;
        // A link counts as a file of the folder; it is removed, not what it leads to.
        if (it->is_symlink(st) || it->is_regular_file(st)) files_.push_back(it->path().string());
    }
    std::sort(files_.begin(), files_.end());
}

std::string TempFolderClearing::ProgressLine() const {
    return "Deleting file " + std::to_string(next_ + 1) + " of " + std::to_string(files_.size());
}

std::string TempFolderClearing::DeleteNext() {
    if (Done()) return {};
    const std::string& path = files_[next_++];
    std::error_code ec;
    const bool removed = fs::remove(path, ec);
    if (removed) deleted_.push_back(path);
    return fs::path(path).filename().string() + (removed ? " [DELETED]" : " [NOT DELETED]");
}

}  // namespace tsn
