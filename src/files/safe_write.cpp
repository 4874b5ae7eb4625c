#include "files/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace tsn {

namespace {

// Steps of a safe write, reported as the failing step.
enum Step { kCreateTemp = 1, kWrite = 2, kFlush = 3, kReplace = 4 };

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

FileError Failure(const std::string& procedure, int step, const std::string& what, int err) {
    return FileError{procedure, step, what + ": " + std::strerror(err)};
}

}  // namespace

FileStatus WriteFileSafely(const std::string& path, std::span<const uint8_t> data,
                           const std::string& procedure) {
    if (path.empty()) return FileError{procedure, kCreateTemp, "No file name given"};
    struct stat target {};
    const bool exists = ::stat(path.c_str(), &target) == 0;
    if (exists && !S_ISREG(target.st_mode)) {
        return FileError{procedure, kCreateTemp, "Not a regular file: " + path};
    }

    std::string tmpl = path + ".tmpXXXXXX";
    std::vector<char> name(tmpl.begin(), tmpl.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return Failure(procedure, kCreateTemp, "Cannot create a file in " + FolderOf(path), errno);
    const std::string tmp(name.data());

    auto fail = [&](int step, const std::string& what) {
        const int err = errno;
        ::close(fd);
        ::unlink(tmp.c_str());
        return FileStatus(Failure(procedure, step, what, err));
    };

    // A new file gets the usual permissions, an existing one keeps its own.
    const mode_t mode = exists ? (target.st_mode & 07777) : 0644;
    if (::fchmod(fd, mode) != 0) return fail(kCreateTemp, "Cannot set the permissions of " + tmp);

    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return fail(kWrite, "Cannot write " + path);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) return fail(kFlush, "Cannot flush " + path);
    if (::close(fd) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Failure(procedure, kFlush, "Cannot close " + path, err);
    }
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int err = errno;
        ::unlink(tmp.c_str());
        return Failure(procedure, kReplace, "Cannot replace " + path, err);
    }
    // Make the rename itself durable.
    const int dir = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace tsn
