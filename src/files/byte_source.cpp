#include "files/byte_source.h"

#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace tsn {

int64_t ByteSource::ReadPresent(int64_t offset, size_t count, uint8_t* dst) {
    if (offset < 0 || offset >= Size()) return 0;
    const int64_t n = std::min<int64_t>(static_cast<int64_t>(count), Size() - offset);
    if (!Read(offset, static_cast<size_t>(n), dst)) return -1;
    return n;
}

bool MemorySource::Read(int64_t offset, size_t count, uint8_t* dst) {
    if (!Holds(offset, static_cast<int64_t>(count))) return false;
    if (count > 0) std::memcpy(dst, data_.data() + offset, count);
    return true;
}

FileSource::~FileSource() { Close(); }

bool FileSource::Open(const std::string& path) {
    Close();
    error_.clear();
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        error_ = std::strerror(errno);
        return false;
    }
    if (!S_ISREG(st.st_mode)) {
        error_ = "Not a regular file";
        return false;
    }
    file_ = std::fopen(path.c_str(), "rb");
    if (file_ == nullptr) {
        error_ = std::strerror(errno);
        return false;
    }
    size_ = static_cast<int64_t>(st.st_size);
    return true;
}

void FileSource::Close() {
    if (file_ != nullptr) std::fclose(file_);
    file_ = nullptr;
    size_ = 0;
}

bool FileSource::Read(int64_t offset, size_t count, uint8_t* dst) {
    if (file_ == nullptr || !Holds(offset, static_cast<int64_t>(count))) {
        if (file_ == nullptr) error_ = "File not open";
        return false;
    }
    if (count == 0) return true;
    if (::fseeko(file_, static_cast<off_t>(offset), SEEK_SET) != 0 ||
        std::fread(dst, 1, count, file_) != count) {
        error_ = std::ferror(file_) ? std::strerror(errno) : "Input past end of file";
        std::clearerr(file_);
        return false;
    }
    return true;
}

}  // namespace tsn
