#include "files/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <random>

#include "files/link_target.h"
#include "files/write_permission.h"

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

// The temporary file of one save: closed and deleted on every way out unless it has become
// the target.
class TempFile {
public:
    TempFile() = default;
    TempFile(const TempFile&) = delete;
    TempFile& operator=(const TempFile&) = delete;
    ~TempFile() {
        Close();
        if (!path_.empty()) ::unlink(path_.c_str());
    }

    // Creates a file with a short unused name in `folder` (".tessarin-" and six letters or
    // digits, whatever the length of the target's name), with `mode` less the umask.
    bool Create(const std::string& folder, mode_t mode) {
        static constexpr char kChars[] =
            "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        std::random_device random;
        std::uniform_int_distribution<size_t> pick(0, sizeof kChars - 2);
        const std::string prefix = (folder == "/" ? std::string() : folder) + "/.tessarin-";
        for (int attempt = 0; attempt < 100; ++attempt) {
            std::string name = prefix;
            for (int i = 0; i < 6; ++i) name += kChars[pick(random)];
            fd_ = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
            if (fd_ >= 0) {
                path_ = name;
                return true;
            }
            if (errno != EEXIST) return false;
        }
        return false;
    }

    int fd() const { return fd_; }
    const std::string& path() const { return path_; }

    // Closes the file; false with errno set when the close reports a failure.
    bool Close() {
        if (fd_ < 0) return true;
        const int result = ::close(fd_);
        fd_ = -1;
        return result == 0;
    }

    // The file has been renamed to the target: nothing is left to delete.
    void Keep() { path_.clear(); }

private:
    int fd_ = -1;
    std::string path_;
};

// Gives the temporary file the owner, group and permission bits of the file it replaces, as
// far as the system allows: a user who may not give a file away keeps it (the group is still
// kept when the user belongs to it), and then the set-user and set-group bits are dropped.
bool TakeOverOwnership(int fd, const struct stat& target) {
    if (::fchown(fd, target.st_uid, target.st_gid) != 0)
        (void)::fchown(fd, static_cast<uid_t>(-1), target.st_gid);
    struct stat now {};
    const bool same =
        ::fstat(fd, &now) == 0 && now.st_uid == target.st_uid && now.st_gid == target.st_gid;
    const mode_t mode = target.st_mode & (same ? 07777 : 01777);
    return ::fchmod(fd, mode) == 0;
}

}  // namespace

FileStatus WriteFileSafely(const std::string& path, std::span<const uint8_t> data,
                           const std::string& procedure) {
    if (path.empty()) return FileError{procedure, kCreateTemp, "No file name given"};
    // A link stays a link: the file it leads to is the one replaced.
    const auto resolved = FinalLinkTarget(path, procedure);
    if (!resolved) return resolved.error();
    const std::string& target = *resolved;

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        return FileError{procedure, kCreateTemp, "Not a regular file: " + path};
    }
    if (exists && !PermissionBitsAllowWriting(existing.st_mode, existing.st_uid, existing.st_gid,
                                              Writer::Current())) {
        return FileError{procedure, kCreateTemp,
                         "The file " + path + " is read-only and was not changed"};
    }

    const std::string folder = FolderOf(target);
    TempFile tmp;
    // A new file gets the usual permissions; a replaced one is private until it has the
    // permissions of the file it replaces.
    if (!tmp.Create(folder, exists ? 0600 : 0666)) {
        const int err = errno;
        return Failure(procedure, kCreateTemp, "Cannot create a file in " + folder, err);
    }
    if (exists && !TakeOverOwnership(tmp.fd(), existing)) {
        const int err = errno;
        return Failure(procedure, kCreateTemp, "Cannot set the permissions of " + tmp.path(), err);
    }

    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(tmp.fd(), data.data() + done, data.size() - done);
        if (n < 0) {
            const int err = errno;
            if (err == EINTR) continue;
            return Failure(procedure, kWrite, "Cannot write " + path, err);
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(tmp.fd()) != 0 || !tmp.Close()) {
        const int err = errno;
        return Failure(procedure, kFlush, "Cannot flush " + path, err);
    }
    if (::rename(tmp.path().c_str(), target.c_str()) != 0) {
        const int err = errno;
        return Failure(procedure, kReplace, "Cannot replace " + path, err);
    }
    tmp.Keep();
    // Make the rename itself durable.
    const int dir = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
    return {};
}

}  // namespace tsn
