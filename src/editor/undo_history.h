#pragma once
// A linear history of whole-level states: the field bytes (editor coding) and the info block.
// It has no upper bound; a new snapshot discards any redo future.
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

    bool CanUndo() const { return undoCount_ > 1; }
    bool CanRedo() const { return redoCount_ > 0; }
    // States reachable backwards including the current one, and forwards.
    int UndoCount() const { return undoCount_; }
    int RedoCount() const { return redoCount_; }

private:
    std::vector<LevelSnapshot> records_;
    int undoPos_ = 0;
    int undoCount_ = 0;
    int redoCount_ = 0;
};

}  // namespace tsn
