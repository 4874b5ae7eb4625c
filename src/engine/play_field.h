#pragma once
// The play field: 16-bit cells addressed by signed cell index.
//
// The level's cells are 0 .. FieldUpper, the info block follows up to LevelRecordUpper and a
// virtual row above row 0 (-FieldWidth .. -1) always reads Space. Cell indices are 16-bit
// numbers, so the array covers the whole 16-bit range with a margin for neighbour arithmetic:
// whatever index an element computes from a 16-bit position is backed by memory, and cells
// outside the level read as Space until something writes them.
#include <cstdint>
#include <cstring>
#include <vector>

namespace tsn {

class PlayField {
public:
    static constexpr int kLowest = -32768 - 1024;
    static constexpr int kHighest = 32767 + 1024;

    PlayField() : cells_(kHighest - kLowest + 1, 0) {}
    PlayField(const PlayField& other) : cells_(other.cells_) {}
    PlayField& operator=(const PlayField& other) {
        cells_ = other.cells_;
        return *this;
    }

    uint16_t& operator[](int i) { return cells_[static_cast<size_t>(i - kLowest)]; }
    uint16_t operator[](int i) const { return cells_[static_cast<size_t>(i - kLowest)]; }

    // Pointer to cell 0, for tight loops over the field.
    uint16_t* cell0() { return cells_.data() - kLowest; }
    const uint16_t* cell0() const { return cells_.data() - kLowest; }

    void clear() { std::memset(cells_.data(), 0, cells_.size() * sizeof(uint16_t)); }

private:
    std::vector<uint16_t> cells_;
};

}  // namespace tsn
