#include "editor/undo_history.h"

namespace tsn {

namespace {
bool SameSize(const LevelSnapshot& a, const LevelSnapshot& b) {
    return a.width == b.width && a.height == b.height && a.field.size() == b.field.size();
}
}  // namespace

void UndoHistory::Reset(const LevelSnapshot& current) {
    records_.clear();
    undoPos_ = 0;
    Snapshot(current);
}

void UndoHistory::Snapshot(const LevelSnapshot& current) {
    records_.resize(static_cast<size_t>(undoPos_) + 2);
    records_[static_cast<size_t>(undoPos_)] = current;
    ++undoPos_;
}

bool UndoHistory::Undo(LevelSnapshot& current) {
    if (!CanUndo()) return false;
    const LevelSnapshot& previous = records_[static_cast<size_t>(undoPos_) - 1];
    if (!SameSize(previous, current)) return false;
    records_[static_cast<size_t>(undoPos_)] = current;
    --undoPos_;
    current = previous;
    return true;
}

bool UndoHistory::Redo(LevelSnapshot& current) {
    if (!CanRedo()) return false;
    const LevelSnapshot& next = records_[static_cast<size_t>(undoPos_) + 1];
    if (!SameSize(next, current)) return false;
    ++undoPos_;
    current = next;
    return true;
}

}  // namespace tsn
