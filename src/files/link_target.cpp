#include "files/link_target.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

#include "files/path_names.h"

namespace tsn {

namespace {

// The text of the link at `path`; false with errno set when it cannot be read.
bool ReadLinkText(const std::string& path, size_t sizeHint, std::string& text) {
    std::vector<char> buf(sizeHint + 2);
    for (;;) {
        const ssize_t n = ::readlink(path.c_str(), buf.data(), buf.size());
        if (n < 0) return false;
        if (static_cast<size_t>(n) < buf.size()) {
            text.assign(buf.data(), static_cast<size_t>(n));
            return true;
        }
        buf.resize(buf.size() * 2);  // the link grew since it was looked at
    }
}

}  // namespace

FileResult<std::string> FinalLinkTarget(const std::string& path, const std::string& procedure) {
    std::string at = path;
    for (int hop = 0;; ++hop) {
        struct stat st {};
        if (::lstat(at.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return at;
        if (hop == kMaxLinkHops) {
            return FileError{procedure, 1,
                             "Cannot follow the link " + path + ": " + std::strerror(ELOOP)};
        }
        std::string text;
        if (!ReadLinkText(at, static_cast<size_t>(st.st_size), text)) {
            return FileError{procedure, 1,
                             "Cannot read the link " + at + ": " + std::strerror(errno)};
        }
        if (text.empty() || text[0] == '/' || at.find('/') == std::string::npos) {
            at = text;
        } else {
            at = FolderOf(at) + "/" + text;
        }
    }
}

}  // namespace tsn
