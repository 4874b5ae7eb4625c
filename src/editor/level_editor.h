#pragma once
// The editing model of the level in the editor: every edit the window's mouse, keys and
// dialogs ask for, its undo history and whether the level differs from its file.
//
// The edited level is the current level of the game state: FieldBytes in the editor coding
// (see editor_coding.h), the info block, FieldWidth and FieldHeight. Commands check their
// arguments first and change nothing when refused; every command that changes the level takes
// an undo snapshot first and marks the level changed. Painting is a stroke: BeginStroke takes
// the snapshot (a click that changes nothing still adds a history step), PutElement places.
#include <functional>
#include <string>

#include "editor/element_count.h"
#include "editor/region_ops.h"
#include "editor/special_ports.h"
#include "editor/undo_history.h"
#include "files/demo_block.h"
#include "files/file_error.h"

namespace tsn {

struct GameState;
struct LevelSource;

// What the special-port dialog shows when it opens over a port.
struct SpecialPortOffer {
    bool refused = false;          // ten special ports exist and this cell is not one of them
    std::string message;           // kTooManySpecialPortsDialogText when refused
    SpecialPortSettings settings;  // the entry's flags, or all off for a new special port
};

class LevelEditor {
public:
    // `source` is the host's: entering and leaving switch its reads to and from the working file.
    LevelEditor(GameState& s, LevelSource& source) : s_(s), source_(source) {}

    // ---- Entering and leaving (the level's coding: editor_coding.h) ----
    // Hands the level to the editor through `workFile`; the level counts as unchanged and the
    // undo history is reset when a reset is pending.
    FileStatus Enter(const std::string& workFile, const SaveOptions& options);
    // Leaves the editor and reads the level again from its file; the level counts as unchanged.
    FileStatus Leave();

    // ---- Whether the level differs from the last loaded or saved state ----
    bool LevelChanged() const { return levelChanged_; }
    void SetLevelChanged(bool changed) { levelChanged_ = changed; }

    // ---- Undo history ----
    // The single entry point: (true, false) snapshot before an edit, (false, false) undo,
    // (false, true) redo. True when something was recorded or restored.
    bool SaveUndo(bool snapshot, bool redo);
    // A new history whose only state is the current level.
    void ResetUndo();
    // Set from the start and whenever a new level file is started or the level is saved under
    // a name; the next entry into the editor resets the history and clears it.
    bool UndoResetPending() const { return undoResetPending_; }
    void SetUndoResetPending() { undoResetPending_ = true; }
    bool CanUndo() const { return history_.CanUndo(); }
    bool CanRedo() const { return history_.CanRedo(); }
    // Undo and redo restore the field and the info block (and the Infotrons-needed mirror) and
    // mark the level changed.
    bool Undo() { return SaveUndo(false, false); }
    bool Redo() { return SaveUndo(false, true); }

    // ---- Painting ----
    // A left press on the canvas: the snapshot of the stroke that follows.
    void BeginStroke() { SaveUndo(true, false); }
    // Places `code` at (column, row) (put_element.h) and marks the level changed. False when
    // refused.
    bool PutElement(int column, int row, int code);

    // ---- Commands, each with its own snapshot ----
    // Hardware on the outermost ring.
    void RestoreBorder();
    bool FillRegion(const Region& r, int code, bool outlineOnly);
    bool FlipLeftRight(const Region& r);
    bool FlipTopBottom(const Region& r);

    // ---- Level header; each returns whether the stored value changed ----
    // The title, trimmed and cut or padded to 23 characters.
    bool SetTitle(const std::string& typed);
    // Infotrons needed, clamped to 0 .. 255; also kept as the value "All" returns to.
    bool SetInfotronsNeeded(int typed);
    // "All" on: every Infotron and Electron, at most 255; off: the value kept before.
    bool SetAllInfotrons(bool all);
    bool SetGravity(bool on);       // header byte 1 or 0
    bool SetFrozenZonks(bool on);   // header byte 2 or 0

    // ---- Special ports (special_ports.h) ----
    int FindSpecialPort(int index) const;
    // The special-port dialog opening over cell `index` (which holds a port).
    SpecialPortOffer OfferSpecialPort(int index) const;
    // The dialog's OK: makes the cell a special port when it is not one yet and stores the
    // flags, as one undoable edit. Refused (entry 0, with the message of the ten-port limit
    // when that is the reason) without any change.
    AddSpecialPortResult ApplySpecialPort(int index, const SpecialPortSettings& settings);

    // ---- Counts ----
    ElementCounts CountElements() const;

    // ---- The rectangle the fill and flip dialogs remember between uses (0-based) ----
    Region& RememberedRegion() { return region_; }

    // The edited level as the history records it.
    LevelSnapshot Current() const;

private:
    void Restore(const LevelSnapshot& state);
    // A command: nothing when not `valid`; otherwise a snapshot, the change and the mark.
    bool Edit(bool valid, const std::function<void()>& change);
    // Snapshot and change mark around a header byte that changes.
    bool SetHeaderByte(int offset, int value);

    GameState& s_;
    LevelSource& source_;
    UndoHistory history_;
    bool levelChanged_ = false;
    bool undoResetPending_ = true;
    int neededBeforeAll_ = 0;
    Region region_{};
};

}  // namespace tsn
