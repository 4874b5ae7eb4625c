#pragma once
// The play field: 16-bit cells addressed by signed cell index.
//
// The level's cells are 0 .. FieldUpper, the info block follows up to LevelRecordUpper and a
// virtual row above row 0 (-FieldWidth .. -1) always reads Space. Positions the engine keeps
// (Murphy's cell, the laid red disk) are 16-bit numbers and wrap as such, so the array covers
// the whole 16-bit range; element procedures then step a few rows and columns from such a
// position (an explosion beside a Zonk that landed beside a pushed one reaches about four rows
// away), so a margin of several rows lies on both sides. The margin grows with the level's
// width: a level one row of 32000 cells wide steps as far in one row as a standard level in
// five hundred. Cells outside the level read as Space until something writes them.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace tsn {

class PlayField {
public:
    static constexpr int kLowestPosition = -32768;
    static constexpr int kHighestPosition = 32767;

    // Rows of margin on each side beyond the 16-bit range, and a fixed part for narrow levels.
    static constexpr int kMarginRows = 8;
    static constexpr int kMarginCells = 1024;

    static constexpr int Margin(int width) { return kMarginCells + kMarginRows * (width > 0 ? width : 0); }

    explicit PlayField(int width = 60) { Reset(width); }
    PlayField(const PlayField& other) : cells_(other.cells_), margin_(other.margin_) { Anchor(); }
    PlayField& operator=(const PlayField& other) {
        cells_ = other.cells_;
        margin_ = other.margin_;
        Anchor();
        return *this;
    }

    // Sizes the margins for a level `width` cells wide; every cell reads Space afterwards.
    void Reset(int width) {
        const int margin = Margin(width);
        if (margin != margin_) {
            margin_ = margin;
            cells_.assign(static_cast<size_t>(kHighestPosition - kLowestPosition + 1 + 2 * margin), 0);
            Anchor();
        } else {
            clear();
        }
    }

    uint16_t& operator[](int i) { return cell0()[Checked(i)]; }
    uint16_t operator[](int i) const { return cell0()[Checked(i)]; }

    // Pointer to cell 0, for tight loops over the field.
    uint16_t* cell0() { return origin_; }
    const uint16_t* cell0() const { return origin_; }

    // The lowest and highest index backed by the field's memory.
    int Lowest() const { return kLowestPosition - margin_; }
    int Highest() const { return kHighestPosition + margin_; }

    void clear() { std::memset(cells_.data(), 0, cells_.size() * sizeof(uint16_t)); }

private:
    void Anchor() { origin_ = cells_.data() + (margin_ - kLowestPosition); }

    // Sanitizer and fuzz builds stop at the first index outside the field.
    int Checked(int i) const {
#ifdef TESSARIN_CHECKED_FIELD
        if (i < Lowest() || i > Highest()) {
            std::fprintf(stderr, "play field index %d outside %d .. %d\n", i, Lowest(), Highest());
            std::abort();
        }
#endif
        return i;
    }

    std::vector<uint16_t> cells_;
    int margin_ = -1;
    uint16_t* origin_ = nullptr;
};

}  // namespace tsn
