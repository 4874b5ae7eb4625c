#pragma once
// A linear history of whole-level states: the field bytes (editor coding) and the info block.
// It has no upper bound; a new snapshot discards any redo future.
#include <algorithm>
#include <cstdint>
#include <vector>

#include "engine/level_info.h"

namespace tsn {

struct LevelSnapshot {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> field;
    LevelInfo info;

    bool operator==(const LevelSnapshot& o) const {
        return width == o.width && height == o.height && field == o.field && info.bytes == o.info.bytes;
    }
};

class UndoHistory {
public:
    // Starts a new history whose only state is `current`: nothing to undo or redo.
    void Reset(const LevelSnapshot& current);
    // Records `current` as the state before an edit; the redo future is dropped.
    void Snapshot(const LevelSnapshot& current);
    // Steps back: `current` is kept for Redo and replaced by the previous state. False (and
    // `current` untouched) when there is nothing to undo, or when the recorded state belongs to
    // a level of another size.
    bool Undo(LevelSnapshot& current);
    // Steps forward again; false when there is nothing to redo or the sizes differ.
    bool Redo(LevelSnapshot& current);

    bool CanUndo() const { return UndoCount() > 1; }
    bool CanRedo() const { return RedoCount() > 0; }
    // States reachable backwards including the current one, and forwards. The records hold
    // the states before the current one, the current one's slot (written by Undo) and the
    // redo future, so both follow from the position and the number of records.
    int UndoCount() const { return undoPos_; }
    int RedoCount() const { return std::max(0, static_cast<int>(records_.size()) - undoPos_ - 1); }

private:
    std::vector<LevelSnapshot> records_;
    int undoPos_ = 0;  // the record the next snapshot or undo writes
};

}  // namespace tsn
