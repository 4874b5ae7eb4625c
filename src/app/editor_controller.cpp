// The level editor in the window: the tool frame and the canvas wired to the model, the Edit
// menu, entering and leaving, test play and saving.
#include "app/editor_controller.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCursor>
#include <QDockWidget>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QShortcut>

#include "app/editor_header.h"
#include "app/editor_palette.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/region_dialogs.h"
#include "app/view_controller.h"
#include "app/view_pane.h"
#include "editor/editor_coding.h"
#include "engine/game_state.h"
#include "engine/level_start.h"
#include "files/paths.h"
#include "presentation/rounding.h"
#include "presentation/viewport.h"

namespace tsn {

namespace {
inline constexpr const char* kChangedQuestion =
    "The level has been changed! Do you want to save it to disk?";

QString TrimmedTitle(const LevelInfo& info) {
    return QString::fromLatin1(info.title().c_str()).trimmed();
}

int TypedNumber(const QLineEdit* box) {
    bool ok = false;
    const int v = box->text().trimmed().toInt(&ok);
    return ok ? v : 0;
}
}  // namespace

EditorController::EditorController(MainWindow& w)
    : w_(w), model_(w.s_, w.s_), mouse_(w.s_, *w.view_) {
    header_ = new EditorHeader(w.view_->Sheet());
    dock_ = new QDockWidget(&w);
    dock_->setObjectName("EditorDock");
    dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dock_->setTitleBarWidget(new QWidget(dock_));
    dock_->setWidget(header_);
    w.addDockWidget(Qt::RightDockWidgetArea, dock_);
    dock_->hide();

    ViewPane* pane = w.viewPane_;
    pane->setMouseTracking(true);
    pane->onMousePress = [this](QMouseEvent* e) {
        mouse_.Press(e->button(), e->modifiers(), e->position());
    };
    pane->onMouseMove = [this](QMouseEvent* e) { mouse_.Move(e->buttons(), e->position()); };
    pane->onMouseRelease = [this](QMouseEvent* e) {
        mouse_.Release(e->button(), e->modifiers(), e->position(), e->globalPosition().toPoint());
    };
    mouse_.setCursor = [pane](Qt::CursorShape shape) { pane->setCursor(shape); };
    mouse_.dialogOpen = [this] { return (fill_ && fill_->isVisible()) || (flip_ && flip_->isVisible()); };
    mouse_.contextMenu = [this](const QPoint& global, int column, int row) {
        ContextMenu(global, column, row);
    };
    mouse_.canvas.strokeStarted = [this] {
        model_.BeginStroke();
        AfterEdit();
    };
    mouse_.canvas.paint = [this](int column, int row) {
        if (!model_.PutElement(column, row, selected_)) return;
        DrawCell(column, row);
        w_.view_->Present();
        w_.UpdateMainCaption();
    };
    mouse_.canvas.strokeEnded = [this] { ShowCounts(); };
    mouse_.canvas.hover = [this](int column, int row) { Hover(column, row); };

    connect(header_->Palette(), &ElementPalette::selected, this, [this](int code) { selected_ = code; });
    connect(header_, &EditorHeader::titleLeft, this, [this] {
        if (Active()) CommitTitle();
    });
    auto commitNeeded = [this] {
        if (!Active() || header_->All()->isChecked()) return;
        model_.SetInfotronsNeeded(TypedNumber(header_->InfotronsNeeded()));
        header_->InfotronsNeeded()->setText(QString::number(w_.s_.Info.infotronsNeeded()));
        AfterEdit();
    };
    connect(header_, &EditorHeader::infotronsEntered, this, commitNeeded);
    connect(header_, &EditorHeader::infotronsLeft, this, commitNeeded);
    connect(header_->All(), &QCheckBox::clicked, this, [this](bool all) {
        model_.SetAllInfotrons(all);
        header_->InfotronsNeeded()->setEnabled(!all);
        header_->InfotronsNeeded()->setText(QString::number(w_.s_.Info.infotronsNeeded()));
        AfterEdit();
    });
    connect(header_->Gravity(), &QCheckBox::clicked, this, [this](bool on) {
        model_.SetGravity(on);
        AfterEdit();
    });
    connect(header_->FrozenZonks(), &QCheckBox::clicked, this, [this](bool on) {
        model_.SetFrozenZonks(on);
        AfterEdit();
    });

    w.session_->editorPlay = [this] { return BeginTestPlay(); };
    w.session_->gridKey = [this] { ToggleGrid(); };
    connect(w.session_.get(), &GameSession::runEnded, this, [this] {
        if (w_.s_.PlayFromEditor != 0) EndTestPlay();
    });
    // The editor keeps its own zoom.
    auto checked = w.view_->onZoomItemChecked;
    w.view_->onZoomItemChecked = [this, checked](int item) {
        if (checked) checked(item);
        if (Active()) w_.settings_.EditZoom = item / 8.0;
    };
}

EditorController::~EditorController() = default;

bool EditorController::Active() const { return w_.s_.EditorActive; }

bool EditorController::Editing() const { return Active() && w_.s_.GameRunning == 0; }

// ---------------------------------------------------------------- the Edit menu

void EditorController::BuildMenu(QMenu* edit) {
    menu_ = edit;
    undo_ = edit->addAction("Undo", this, [this] { Undo(); });
    undo_->setObjectName("mnuUndo");
    undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    redo_ = edit->addAction("Redo", this, [this] { Redo(); });
    redo_->setObjectName("mnuRedo");
    redo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Y));
    undoSeparator_ = edit->addSeparator();
    fillItem_ = edit->addAction("Fill Area", this, [this] { OpenFillDialog(); });
    fillItem_->setObjectName("mnuFill");
    flipMenu_ = edit->addMenu("Flip");
    flipMenu_->setObjectName("mnuFlip");
    flipMenu_->addAction("Horizontal", this, [this] { Flip(true); })->setObjectName("mnuFlipH");
    flipMenu_->addAction("Vertical", this, [this] { Flip(false); })->setObjectName("mnuFlipV");
    flipMenu_->addAction("Custom Values", this, [this] { OpenFlipDialog(); })->setObjectName("mnuFlipC");
    edit->addSeparator();
    edit_ = edit->addAction("&Edit Level", this, [this] { Toggle(); });
    edit_->setObjectName("menEdit");
    edit->addSeparator();
    edit->addAction("&Paste", this, [this] { Redraw(); })->setObjectName("menPaste");
    restoreBorder_ = edit->addAction("Restore &border", this, [this] { RestoreBorder(); });
    restoreBorder_->setObjectName("menRestoreBorder");
    sp_ = edit->addAction("Special Port", this, [this] {
        const QPoint c = sp_->data().toPoint();
        SpecialPort(c.x(), c.y());
    });
    sp_->setObjectName("menSp");
    sp_->setVisible(false);
    for (QAction* a : {undo_, redo_, undoSeparator_}) a->setVisible(false);

    // Ctrl+1 and Ctrl+2 over the canvas take the corners of an open region dialog.
    for (const bool second : {false, true}) {
        auto* key = new QShortcut(QKeySequence(Qt::CTRL | (second ? Qt::Key_2 : Qt::Key_1)), &w_);
        key->setContext(Qt::ApplicationShortcut);
        connect(key, &QShortcut::activated, this, [this, second] {
            TakeCorner(second, w_.viewPane_->mapFromGlobal(QCursor::pos()));
        });
    }
}

QList<QAction*> EditorController::ToolActions() const {
    return {fillItem_, flipMenu_->menuAction(), restoreBorder_};
}

void EditorController::AfterEdit() {
    w_.ApplyControlStates();
    w_.UpdateMainCaption();
}

// ---------------------------------------------------------------- entering and leaving

std::string EditorController::LevelIdentity() const {
    return w_.s_.CurrentLevelFile + "|" + std::to_string(w_.s_.CurrentLevelNumber);
}

void EditorController::SetEditing(bool on) {
    w_.session_->EditMode = on;
    w_.view_->Renderer().EditMode = on;
    mouse_.editing = on;
    w_.viewPane_->setCursor(on ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!on) w_.viewPane_->SetCursorCell(QRect());
    for (QAction* a : {undo_, redo_, undoSeparator_}) a->setVisible(on);
    edit_->setText(on ? "Exit Editor" : "&Edit Level");
    dock_->setVisible(on);
    ApplyGridSettings();
}

void EditorController::ApplyGridSettings() {
    w_.view_->Renderer().ShowGrid = Active() && w_.settings_.ShowGrid;
    w_.view_->Renderer().GridColor = static_cast<uint32_t>(w_.settings_.GridColor);
}

void EditorController::Toggle() {
    if (w_.s_.GameRunning != 0) return;
    if (Active())
        Leave();
    else
        Enter();
}

bool EditorController::Enter() {
    if (Active() || !w_.s_.LevelLoaded || w_.s_.GameRunning != 0) return false;
    const auto work = EditorWorkFilePath();
    if (!work) {
        w_.FileErrorBox(work.error().Text());
        return false;
    }
    // Another level than the one the history was recorded on starts a new history.
    if (LevelIdentity() != historyLevel_) model_.SetUndoResetPending();
    const FileStatus st = model_.Enter(*work, w_.MakeSaveOptions(false));
    if (!st) {
        w_.FileErrorBox(st.error().Text());
        return false;
    }
    historyLevel_ = LevelIdentity();
    if (w_.GameModeValue() == 2) {
        w_.keys_.ReleaseAll();
        QMessageBox::information(&w_, "Edit Level", "Game mode set to free play!");
        w_.GameModeCommand();
    }
    SetEditing(true);
    header_->All()->setChecked(false);
    ShowHeader();
    header_->Palette()->SetSheet(w_.view_->Sheet());
    header_->Palette()->Select(selected_);
    // The editor has its own zoom; the game's is restored on leaving.
    playZoom_ = w_.view_->ctx.Stretch;
    const int item = ZoomMenuItem(static_cast<float>(w_.settings_.EditZoom));
    w_.layout()->activate();  // the tool frame takes its place beside the pane
    if (item != 0 && ZoomForItem(item).stretch != playZoom_)
        w_.view_->MenuStretch(item);
    FindMurphy(w_.s_);
    w_.view_->Layout();
    w_.view_->MurphyTarget();
    w_.view_->ScrollToClamped(w_.view_->ScreenScrollXPos, w_.view_->ScreenScrollYPos);
    RedrawLevel();
    ShowCounts();
    w_.UpdateAllControls();
    AfterEdit();
    return true;
}

bool EditorController::AskSave() {
    w_.keys_.ReleaseAll();
    const auto answer = QMessageBox::warning(&w_, "Tessarin Editor", kChangedQuestion,
                                             QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    if (answer == QMessageBox::Cancel) return false;
    if (answer == QMessageBox::No) return true;
    // A save that does not happen keeps the editor open: the edits are not lost.
    return w_.SaveAsCommand(false);
}

bool EditorController::Leave() {
    if (!Active()) return true;
    // The header boxes count as left.
    if (!header_->All()->isChecked()) model_.SetInfotronsNeeded(TypedNumber(header_->InfotronsNeeded()));
    CommitTitle();
    if (model_.LevelChanged() && !AskSave()) {
        ShowHeader();
        AfterEdit();
        return false;
    }
    if (fill_) fill_->close();
    if (flip_) flip_->close();
    const FileStatus st = model_.Leave();
    if (!st) w_.FileErrorBox(st.error().Text());
    SetEditing(false);
    const int item = ZoomMenuItem(playZoom_);
    if (item != 0 && ZoomForItem(item).stretch != w_.view_->ctx.Stretch) w_.view_->MenuStretch(item);
    w_.layout()->activate();
    if (w_.s_.LevelLoaded) {
        StartLevelFromField(w_.s_);
        w_.view_->Renderer().SetDisplayRegion();
        w_.view_->Layout();
        w_.view_->MurphyTarget();
        w_.view_->ScrollToClamped(w_.view_->ScreenScrollXPos, w_.view_->ScreenScrollYPos);
        w_.view_->RedrawAll();
    }
    w_.UpdateAllControls();
    w_.UpdateMainCaption();
    return true;
}

void EditorController::ShowHeader() {
    const LevelInfo& info = w_.s_.Info;
    header_->Title()->setText(TrimmedTitle(info));
    header_->InfotronsNeeded()->setText(QString::number(info.infotronsNeeded()));
    header_->Gravity()->setChecked(info.gravity() != 0);
    header_->FrozenZonks()->setChecked(info.frozenZonks() == 2);
    header_->InfotronsNeeded()->setEnabled(!header_->All()->isChecked());
}

void EditorController::CommitTitle() {
    // Only a typed title counts: the box shows the stored one without its padding.
    if (!header_->Title()->isModified()) return;
    model_.SetTitle(header_->Title()->text().toLatin1().toStdString());
    header_->Title()->setText(TrimmedTitle(w_.s_.Info));
    AfterEdit();
}

void EditorController::ShowCounts() {
    const ElementCounts c = model_.CountElements();
    header_->ShowCounts(QString::fromStdString(c.text()), c.redDisks);
}

// ---------------------------------------------------------------- test play and saving

bool EditorController::BeginTestPlay() {
    if (!Active()) return true;
    testScrollX_ = w_.view_->ctx.ScrollX;
    testScrollY_ = w_.view_->ctx.ScrollY;
    const FileStatus st = tsn::BeginTestPlay(w_.s_, w_.s_, w_.MakeSaveOptions(false));
    if (!st) {
        w_.FileErrorBox(st.error().Text());
        return false;
    }
    w_.s_.PlayFromEditor = -1;
    return true;
}

void EditorController::EndTestPlay() {
    w_.s_.PlayFromEditor = 0;
    const FileStatus st = tsn::EndTestPlay(w_.s_, w_.s_);
    if (!st) w_.FileErrorBox(st.error().Text());
    w_.view_->Renderer().SetDisplayRegion();
    w_.view_->Layout();
    const double z = w_.view_->ctx.Stretch;
    w_.view_->ScrollToClamped(RoundTo16(testScrollX_ * z), RoundTo16(testScrollY_ * z));
    RedrawLevel();
    ShowHeader();
    ShowCounts();
    w_.UpdateAllControls();
}

void EditorController::LevelSaved() {
    if (!Active()) return;
    // The saved file was read back in the game's coding.
    ToEditorCoding(w_.s_.FieldBytes);
    model_.SetLevelChanged(false);
    model_.SetUndoResetPending();
    historyLevel_ = LevelIdentity();
    RedrawLevel();
    ShowHeader();
    ShowCounts();
    AfterEdit();
}

}  // namespace tsn
