#pragma once
// Random-access reading of a level file, either from a file on disk or from bytes in memory,
// so that every reader works the same on both (tests and fuzzers feed bytes directly).
#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <vector>

namespace tsn {

class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Length of the data in bytes.
    virtual int64_t Size() const = 0;
    // Copies `count` bytes starting at `offset` into `dst`. False when the range is not wholly
    // inside the data or the read fails; `dst` is then unspecified.
    virtual bool Read(int64_t offset, size_t count, uint8_t* dst) = 0;

    // True when [offset, offset + count) lies inside the data.
    bool Holds(int64_t offset, int64_t count) const {
        return offset >= 0 && count >= 0 && offset <= Size() && count <= Size() - offset;
    }
    // Reads what is present of [offset, offset + count) into dst and leaves the rest of dst as
    // it is. Returns the number of bytes read, or -1 on a read error.
    int64_t ReadPresent(int64_t offset, size_t count, uint8_t* dst);
    // Last error description of the underlying file, empty when none.
    virtual std::string LastError() const { return {}; }
};

class MemorySource final : public ByteSource {
public:
    explicit MemorySource(std::span<const uint8_t> data) : data_(data) {}
    int64_t Size() const override { return static_cast<int64_t>(data_.size()); }
    bool Read(int64_t offset, size_t count, uint8_t* dst) override;

private:
    std::span<const uint8_t> data_;
};

class FileSource final : public ByteSource {
public:
    FileSource() = default;
    ~FileSource() override;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;

    // Opens a regular file for reading. False (with LastError set) when it cannot be opened.
    bool Open(const std::string& path);
    void Close();
    bool IsOpen() const { return file_ != nullptr; }

    int64_t Size() const override { return size_; }
    bool Read(int64_t offset, size_t count, uint8_t* dst) override;
    std::string LastError() const override { return error_; }

private:
    std::FILE* file_ = nullptr;
    int64_t size_ = 0;
    std::string error_;
};

// Little-endian values inside a byte array.
inline int16_t GetI16(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }
inline int32_t GetI32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                                (static_cast<uint32_t>(p[2]) << 16) |
                                (static_cast<uint32_t>(p[3]) << 24));
}
inline void PutI16(std::vector<uint8_t>& out, int v) {
    out.push_back(static_cast<uint8_t>(v & 0xFF));
    out.push_back(static_cast<uint8_t>((v >> 8) & 0xFF));
}
inline void PutI32(std::vector<uint8_t>& out, int32_t v) {
    const auto u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<uint8_t>((u >> (8 * i)) & 0xFF));
}

}  // namespace tsn
