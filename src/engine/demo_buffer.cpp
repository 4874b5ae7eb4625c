#include "engine/demo_buffer.h"

namespace tsn {

DemoBufferObject::DemoBufferObject(const DemoBufferObject& other)
    : store_(other.store_),
      lastKey_(other.lastKey_),
      checksum_(other.checksum_),
      firstByte_(other.firstByte_),
      sub_(other.sub_ ? std::make_unique<DemoBufferObject>(*other.sub_) : nullptr) {}

DemoBufferObject& DemoBufferObject::operator=(const DemoBufferObject& other) {
    if (this != &other) *this = DemoBufferObject(other);
    return *this;
}

void DemoBufferObject::AddDemoKey(int action) {
    checksum_ = static_cast<uint8_t>(checksum_ + 1);
    if (action == lastKey_) {
        store_.back() = static_cast<uint8_t>(store_.back() + 16);
        if (store_.back() > 239) lastKey_ = -1;
        return;
    }
    if (Length() < kCapacity) {
        store_.push_back(static_cast<uint8_t>(action & 0xFF));
        lastKey_ = static_cast<int16_t>(action);
        return;
    }
    // Full: continue in a fresh buffer that keeps this one as its sub-buffer; each buffer of
    // the chain keeps its own fields, and the fresh one counts the frame again.
    auto full = std::make_unique<DemoBufferObject>(std::move(*this));
    *this = DemoBufferObject();
    sub_ = std::move(full);
    AddDemoKey(action);
}

int DemoBufferObject::RemoveLastDemoKey() {
    if (store_.empty()) return -1;
    const int action = store_.back() & 0x0F;
    if ((store_.back() >> 4) > 0) {
        store_.back() = static_cast<uint8_t>(store_.back() - 16);
    } else {
        store_.pop_back();
        lastKey_ = -1;
    }
    return action;
}

void DemoBufferObject::Reset() { *this = DemoBufferObject(); }

void DemoBufferObject::Restore(const std::vector<uint8_t>& bytes, int16_t lastKey,
                               uint8_t checksum, uint8_t firstByte) {
    Reset();
    // Every buffer below the newest is full; the newest holds the rest (1 .. kCapacity bytes).
    const size_t full = bytes.empty() ? 0 : (bytes.size() - 1) / kCapacity;
    for (size_t k = 0; k < full; ++k) {
        const auto from = bytes.begin() + static_cast<std::ptrdiff_t>(k * kCapacity);
        store_.assign(from, from + kCapacity);
        auto below = std::make_unique<DemoBufferObject>(std::move(*this));
        *this = DemoBufferObject();
        sub_ = std::move(below);
    }
    store_.assign(bytes.begin() + static_cast<std::ptrdiff_t>(full * kCapacity), bytes.end());
    lastKey_ = lastKey;
    checksum_ = checksum;
    firstByte_ = firstByte;
}

void DemoBufferObject::Serialize(std::vector<uint8_t>& out) const {
    if (sub_) sub_->Serialize(out);
    out.insert(out.end(), store_.begin(), store_.end());
}

int32_t DemoBufferObject::Size() const { return Length() + (sub_ ? sub_->Size() : 0); }

int64_t DemoFramesOf(const uint8_t* bytes, size_t count) {
    int64_t frames = 0;
    for (size_t i = 0; i < count && bytes[i] != 0xFF; ++i) frames += (bytes[i] >> 4) + 1;
    return frames;
}

}  // namespace tsn
