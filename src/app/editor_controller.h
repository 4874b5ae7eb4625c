#pragma once
// The level editor in the main window: Edit -> "Edit Level" turns the view pane into the
// canvas. The controller translates the mouse, the keys, the Edit menu, the tool frame and the
// editor's dialogs into calls of the editing model (editor/level_editor.h) and redraws what
// they changed; no editing rule lives here.
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <functional>
#include <memory>
#include <string>

#include "app/pane_mouse.h"
#include "app/region_dialogs.h"
#include "editor/level_editor.h"

class QAction;
class QDockWidget;
class QMenu;

namespace tsn {

class EditorHeader;
class MainWindow;
class SpecialPortDialog;

class EditorController : public QObject {
    Q_OBJECT
public:
    explicit EditorController(MainWindow& w);
    ~EditorController() override;

    LevelEditor& Model() { return model_; }
    PaneMouse& Mouse() { return mouse_; }
    EditorHeader* Header() const { return header_; }
    bool Active() const;
    // Active and no test game running: edits are taken.
    bool Editing() const;
    bool LevelChanged() const { return model_.LevelChanged(); }
    int SelectedElement() const { return selected_; }

    // The Edit menu (also the canvas's context menu) and the shortcuts of the editor.
    void BuildMenu(QMenu* edit);
    QAction* UndoAction() const { return undo_; }
    QAction* RedoAction() const { return redo_; }
    QAction* SpecialPortAction() const { return sp_; }
    QAction* EditAction() const { return edit_; }

    // Edit -> "Edit Level" / "Exit Editor".
    void Toggle();
    bool Enter();
    // Leaves the editor, first asking to save a changed level; false (still editing) when the
    // user cancels or the save does not happen.
    bool Leave();
    // Before another file or level replaces the edited one: true when it may.
    bool LeaveFirst() { return !Active() || Leave(); }

    void Undo();
    void Redo();
    void RestoreBorder();
    void Redraw();  // Edit -> "Paste"
    // The special-port dialog for the port at (column, row).
    void SpecialPort(int column, int row);
    void OpenFillDialog();
    void OpenFlipDialog();
    // The whole level inside its border flipped at once.
    void Flip(bool topBottom);
    FillDialog* FillWindow() const { return fill_; }
    FlipDialog* FlipWindow() const { return flip_; }
    // Ctrl+1 / Ctrl+2 with the pointer at `panePos`: a corner of the open dialog's region.
    void TakeCorner(bool second, QPointF panePos);
    // The grid key.
    void ToggleGrid();

    // The play command in the editor: the edited level is handed to the run; false when it
    // cannot be.
    bool BeginTestPlay();
    // The level was saved under a name while editing.
    void LevelSaved();
    // Fill, flip and restore border: on exactly while editing outside a test game.
    QList<QAction*> ToolActions() const;

    // Runs the special-port dialog (tests answer it themselves): true when confirmed.
    std::function<bool(SpecialPortDialog&)> portDialogRunner;

private:
    void StepHistory(bool redo);
    void ShowHeader();
    void CommitTitle();
    void ShowCounts();
    void AfterEdit();  // undo items, caption
    void RedrawLevel();
    void DrawCell(int column, int row);
    void Hover(int column, int row);
    void ContextMenu(const QPoint& global, int column, int row);
    void EndTestPlay();
    void ApplyGridSettings();
    bool AskSave();
    void SetEditing(bool on);
    std::string LevelIdentity() const;

    MainWindow& w_;
    LevelEditor model_;
    PaneMouse mouse_;
    EditorHeader* header_ = nullptr;
    QDockWidget* dock_ = nullptr;
    QMenu* menu_ = nullptr;
    QAction* undo_ = nullptr;
    QAction* redo_ = nullptr;
    QAction* undoSeparator_ = nullptr;
    QAction* edit_ = nullptr;
    QAction* sp_ = nullptr;
    QAction* fillItem_ = nullptr;
    QMenu* flipMenu_ = nullptr;
    QAction* restoreBorder_ = nullptr;
    QPointer<FillDialog> fill_;
    QPointer<FlipDialog> flip_;
    int selected_ = 0;
    float playZoom_ = 1.0f;  // the zoom before entering; the editor has its own
    int16_t testScrollX_ = 0, testScrollY_ = 0;
    std::string historyLevel_;  // the level the undo history belongs to
};

}  // namespace tsn
