#include "app/pane_mouse.h"

#include <QRectF>
#include <cmath>

#include "app/view_controller.h"
#include "app/window_state.h"
#include "presentation/rounding.h"

namespace tsn {

QPointF PaneMouse::BufferPixels(QPointF pos) const {
    const double stretch = view_.ctx.Stretch > 0 ? view_.ctx.Stretch : 1.0;
    return pos / stretch;
}

QPoint PaneMouse::CellAt(QPointF pos) const {
    const QPointF b = BufferPixels(pos);
    return QPoint(static_cast<int>(std::floor((view_.ctx.ScrollX + b.x()) / 32.0)),
                  static_cast<int>(std::floor((view_.ctx.ScrollY + b.y()) / 32.0)));
}

QPoint PaneMouse::StatusCellAt(QPointF pos) const {
    const QPoint c = CellAt(pos);
    return QPoint(std::max(c.x(), 0), std::max(c.y(), 0));
}

QRectF PaneMouse::CellRect(QPoint cell) const {
    const double z = view_.ctx.Stretch;
    return QRectF((cell.x() * 32 - view_.ctx.ScrollX) * z, (cell.y() * 32 - view_.ctx.ScrollY) * z,
                  32 * z, 32 * z);
}

bool PaneMouse::InField(QPoint cell) const {
    return cell.x() >= 0 && cell.y() >= 0 && cell.x() < s_.FieldWidth && cell.y() < s_.FieldHeight;
}

bool PaneMouse::Drawing() const { return editing && s_.GameRunning == 0; }

bool PaneMouse::Ignored(Qt::KeyboardModifiers mods) const {
    return (mods & Qt::ControlModifier) && dialogOpen && dialogOpen();
}

void PaneMouse::Press(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF pos) {
    if (Ignored(mods) || pressed_ != Qt::NoButton) return;
    if (button != Qt::LeftButton && button != Qt::RightButton) return;
    pressed_ = button;
    panned_ = false;
    startMouse_ = BufferPixels(pos);
    startScrollX_ = view_.ctx.ScrollX;
    startScrollY_ = view_.ctx.ScrollY;
    if (Drawing() && button == Qt::LeftButton && canvas.strokeStarted) canvas.strokeStarted();
}

void PaneMouse::PaintAt(QPointF pos) {
    const QPoint cell = CellAt(pos);
    // A point outside the field (the frame around it) places nothing.
    if (InField(cell) && canvas.paint) canvas.paint(cell.x(), cell.y());
}

void PaneMouse::PanTo(QPointF pos) {
    if (BufferPixels(pos) == startMouse_ && !panned_) return;  // not moved yet
    panned_ = true;
    mode_ = kPanning;
    if (setCursor) setCursor(Qt::SizeAllCursor);
    view_.ctx.ScrollAbort = true;
    const QPointF b = BufferPixels(pos);
    const double stretch = view_.ctx.Stretch;
    const int16_t saved = s_.NoDisplay;
    s_.NoDisplay = 0;
    view_.ScrollToClamped(RoundTo16((startScrollX_ + startMouse_.x() - b.x()) * stretch),
                          RoundTo16((startScrollY_ + startMouse_.y() - b.y()) * stretch));
    view_.Present();
    s_.NoDisplay = saved;
}

void PaneMouse::Move(Qt::MouseButtons held, QPointF pos) {
    if (Drawing() && canvas.hover) {
        const QPoint c = StatusCellAt(pos);
        canvas.hover(c.x(), c.y());
    }
    if (held == Qt::NoButton || pressed_ == Qt::NoButton) {
        mode_ = kDrawing;
        if (setCursor) setCursor(editing ? Qt::CrossCursor : Qt::ArrowCursor);
        return;
    }
    if (Drawing() && pressed_ == Qt::LeftButton) {
        if (mode_ == kDrawing) PaintAt(pos);
        return;
    }
    PanTo(pos);
}

void PaneMouse::Release(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF pos,
                        QPoint global) {
    if (Ignored(mods) || button != pressed_) return;
    pressed_ = Qt::NoButton;
    if (Drawing() && button == Qt::LeftButton && mode_ == kDrawing) {
        PaintAt(pos);
        if (canvas.strokeEnded) canvas.strokeEnded();
    }
    if (Drawing() && canvas.hover) {
        const QPoint c = StatusCellAt(pos);
        canvas.hover(c.x(), c.y());
    }
    const bool panned = panned_;
    panned_ = false;
    view_.ctx.ScrollAbort = false;
    mode_ = kDrawing;
    if (setCursor) setCursor(editing ? Qt::CrossCursor : Qt::ArrowCursor);
    if (!editing && s_.GameRunning == 0) view_.Layout();
    if (button == Qt::RightButton && !panned && contextMenu) {
        const QPoint cell = CellAt(pos);
        const bool inField = InField(cell);
        contextMenu(global, inField ? cell.x() : -1, inField ? cell.y() : -1);
    }
}

}  // namespace tsn
