#pragma once
// The recorder of a run's actions: one byte per run of up to 16 frames with the same action
// (low nibble action, high nibble repeat count). A full buffer continues in a new one that
// keeps the full one as its sub-buffer, so no frame is ever lost.
#include <cstdint>
#include <memory>
#include <vector>

namespace tsn {

class DemoBufferObject {
public:
    static constexpr int32_t kCapacity = 666667;

    DemoBufferObject() = default;
    DemoBufferObject(const DemoBufferObject& other);
    DemoBufferObject& operator=(const DemoBufferObject& other);
    DemoBufferObject(DemoBufferObject&&) noexcept = default;
    DemoBufferObject& operator=(DemoBufferObject&&) noexcept = default;

    // Records one frame. When this buffer is full, this object becomes a new buffer whose
    // sub-buffer is the full one.
    void AddDemoKey(int action);
    // Removes the last recorded frame and returns its action (-1 when nothing is recorded).
    int RemoveLastDemoKey();
    void Reset();
    // Replaces the whole chain with `bytes` (oldest first), split into full buffers as
    // recording would have split them; the newest buffer gets the last key, check-sum counter
    // and first byte.
    void Restore(const std::vector<uint8_t>& bytes, int16_t lastKey, uint8_t checksum,
                 uint8_t firstByte);

    // Appends the recorded bytes of the whole chain, oldest first.
    void Serialize(std::vector<uint8_t>& out) const;
    std::vector<uint8_t> bytes() const {
        std::vector<uint8_t> out;
        Serialize(out);
        return out;
    }

    uint8_t CheckSumByte() const { return checksum_; }
    uint8_t FirstByte() const { return firstByte_; }
    void SetFirstByte(uint8_t b) { firstByte_ = b; }
    int16_t LastKey() const { return lastKey_; }
    int32_t Length() const { return static_cast<int32_t>(store_.size()); }
    // Bytes of this buffer and of its whole chain.
    int32_t Size() const;
    const DemoBufferObject* SubBuffer() const { return sub_.get(); }
    void SetSubBuffer(std::unique_ptr<DemoBufferObject> sub) { sub_ = std::move(sub); }

private:
    std::vector<uint8_t> store_;
    int16_t lastKey_ = -1;
    uint8_t checksum_ = 0;
    uint8_t firstByte_ = 129;
    std::unique_ptr<DemoBufferObject> sub_;
};

// Frames of a demo stream: the sum of (repeat + 1) over the bytes up to the first 0xFF. Up to
// 16 frames a byte: a long stream holds more than 32 bits can count.
int64_t DemoFramesOf(const uint8_t* bytes, size_t count);

}  // namespace tsn
