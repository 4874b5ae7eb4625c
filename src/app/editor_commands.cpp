// The editor's commands (Edit menu, special ports, fill and flip) and the drawing of what
// they changed.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMessageBox>

#include "app/editor_controller.h"
#include "app/editor_header.h"
#include "app/main_window.h"
#include "app/special_port_dialog.h"
#include "app/view_controller.h"
#include "app/view_pane.h"
#include "editor/special_ports.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"

namespace tsn {
// ---------------------------------------------------------------- drawing

void EditorController::RedrawLevel() {
    ApplyGridSettings();
    w_.view_->ClearBuffer();
    w_.view_->DisplayLevel();
    w_.view_->Present();
}

void EditorController::DrawCell(int column, int row) {
    w_.view_->Renderer().DrawField(column, row);
    if (w_.view_->Renderer().ShowGrid) w_.view_->Renderer().DrawGrid2(column, row);
}

void EditorController::Redraw() {
    if (Active())
        RedrawLevel();
    else
        w_.view_->RedrawAll();
}

void EditorController::ToggleGrid() {
    if (!Active()) return;
    w_.settings_.ShowGrid = !w_.settings_.ShowGrid;
    ApplyGridSettings();
    if (w_.settings_.ShowGrid) {
        w_.view_->Renderer().DrawGrid();
    } else {
        RedrawLevel();
    }
}

void EditorController::Hover(int column, int row) {
    const GameState& s = w_.s_;
    PointerStatus p;
    p.column = column;
    p.row = row;
    const int index = row * s.FieldWidth + column;
    const bool inField = column < s.FieldWidth && row < s.FieldHeight &&
                         index < static_cast<int>(s.FieldBytes.size());
    if (inField) {
        p.element = QString::fromStdString(ElementName(s.FieldBytes[static_cast<size_t>(index)]));
        if (const auto port = SpecialPortAt(s, index)) {
            p.specialPort = true;
            p.gravity = port->gravity;
            p.frozenZonks = port->frozenZonks;
            p.frozenEnemies = port->frozenEnemies;
        }
    }
    p.specialPorts = s.Info.specialPortCount();
    header_->ShowPointer(p);
    w_.viewPane_->SetCursorCell(mouse_.CellRect(QPoint(column, row)).toRect());
}

void EditorController::ContextMenu(const QPoint& global, int column, int row) {
    if (!menu_->isEnabled()) return;  // during a run
    const GameState& s = w_.s_;
    const int index = row * s.FieldWidth + column;
    const bool port = Active() && column >= 0 && index >= 0 &&
                      index < static_cast<int>(s.FieldBytes.size()) &&
                      IsPortCode(s.FieldBytes[static_cast<size_t>(index)]);
    sp_->setData(QPoint(column, row));
    sp_->setVisible(port);
    sp_->setEnabled(port);
    w_.keys_.ReleaseAll();
    menu_->exec(global);
    sp_->setVisible(false);
}

// ---------------------------------------------------------------- commands

void EditorController::Undo() { StepHistory(false); }

void EditorController::Redo() { StepHistory(true); }

void EditorController::StepHistory(bool redo) {
    if (!Editing()) return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    if (redo ? model_.Redo() : model_.Undo()) {
        RedrawLevel();
        ShowHeader();
        ShowCounts();
    }
    AfterEdit();
    QApplication::restoreOverrideCursor();
}

void EditorController::RestoreBorder() {
    if (!Editing()) return;
    model_.RestoreBorder();
    RedrawLevel();
    ShowCounts();
    AfterEdit();
}

void EditorController::SpecialPort(int column, int row) {
    if (!Editing() || column < 0 || row < 0) return;
    const int index = row * w_.s_.FieldWidth + column;
    const SpecialPortOffer offer = model_.OfferSpecialPort(index);
    w_.keys_.ReleaseAll();
    if (offer.refused) {
        QMessageBox::warning(&w_, kSpecialPortErrorTitle, QString::fromStdString(offer.message));
        return;
    }
    SpecialPortDialog dialog(offer.settings, &w_);
    uint8_t mode = 0;  // the window's commands rest while the dialog is up
    w_.DisableControls(mode);
    const bool confirmed = portDialogRunner ? portDialogRunner(dialog) : dialog.exec() == QDialog::Accepted;
    w_.ApplyControlStates();
    if (!confirmed) return;
    const AddSpecialPortResult result = model_.ApplySpecialPort(index, dialog.Settings());
    if (result.entry == 0 && !result.message.empty())
        QMessageBox::warning(&w_, kSpecialPortErrorTitle, QString::fromStdString(result.message));
    DrawCell(column, row);
    w_.view_->Present();
    Hover(column, row);
    AfterEdit();
}

void EditorController::OpenFillDialog() {
    if (!Editing()) return;
    if (!fill_) {
        fill_ = new FillDialog(model_.RememberedRegion(), w_.s_.FieldWidth, w_.s_.FieldHeight,
                               w_.view_->Sheet(), &w_);
        fill_->setAttribute(Qt::WA_DeleteOnClose);
        fill_->fill = [this](const Region& r, int code, bool outlineOnly) {
            if (!Editing() || !model_.FillRegion(r, code, outlineOnly)) return;
            RedrawLevel();
            ShowCounts();
            AfterEdit();
        };
    }
    fill_->show();
    fill_->raise();
}

void EditorController::OpenFlipDialog() {
    if (!Editing()) return;
    if (!flip_) {
        flip_ = new FlipDialog(model_.RememberedRegion(), w_.s_.FieldWidth, w_.s_.FieldHeight, &w_);
        flip_->setAttribute(Qt::WA_DeleteOnClose);
        flip_->flip = [this](const Region& r, bool topBottom) {
            if (!Editing() || !(topBottom ? model_.FlipTopBottom(r) : model_.FlipLeftRight(r))) return;
            RedrawLevel();
            AfterEdit();
        };
    }
    flip_->show();
    flip_->raise();
}

void EditorController::Flip(bool topBottom) {
    if (!Editing()) return;
    const int w = w_.s_.FieldWidth, h = w_.s_.FieldHeight;
    const Region inside = DialogRegion(1, w, 1, h, true, false, w, h);
    if (!(topBottom ? model_.FlipTopBottom(inside) : model_.FlipLeftRight(inside))) return;
    RedrawLevel();
    AfterEdit();
}

void EditorController::TakeCorner(bool second, QPointF panePos) {
    if (!Editing() || !w_.viewPane_->rect().contains(panePos.toPoint())) return;
    const QPoint cell = mouse_.CellAt(panePos);
    for (RegionDialog* d : std::initializer_list<RegionDialog*>{fill_, flip_})
        if (d != nullptr && d->isVisible()) d->SetCorner(second, cell.x(), cell.y());
}

}  // namespace tsn
