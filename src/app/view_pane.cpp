#include "app/view_pane.h"

#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include "presentation/scroll_buffer.h"

namespace tsn {

ViewPane::ViewPane(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void ViewPane::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (buffer_ == nullptr || !buffer_->Valid()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const QRect source = buffer_->SourceRect(size());
    // Only the part of the source inside the buffer is copied; the rest of the pane is black.
    const QRect inside = source.intersected(buffer_->Surface().rect());
    if (source.width() <= 0 || source.height() <= 0 || inside.isEmpty()) {
        p.fillRect(rect(), Qt::black);
        return;
    }
    const double sx = static_cast<double>(width()) / source.width();
    const double sy = static_cast<double>(height()) / source.height();
    const QRectF target((inside.x() - source.x()) * sx, (inside.y() - source.y()) * sy,
                        inside.width() * sx, inside.height() * sy);
    if (inside != source) p.fillRect(rect(), Qt::black);  // every frame otherwise: it is costly
    p.drawImage(target, buffer_->Surface(), QRectF(inside));
    if (!cursorCell_.isEmpty()) {
        p.setPen(Qt::white);
        p.setBrush(Qt::NoBrush);
        p.drawRect(cursorCell_.adjusted(0, 0, -1, -1));
    }
}

void ViewPane::SetCursorCell(const QRect& cell) {
    if (cell == cursorCell_) return;
    cursorCell_ = cell;
    update();
}

void ViewPane::mousePressEvent(QMouseEvent* e) {
    if (onMousePress) onMousePress(e);
    e->accept();
}

void ViewPane::mouseMoveEvent(QMouseEvent* e) {
    if (onMouseMove) onMouseMove(e);
    e->accept();
}

void ViewPane::mouseReleaseEvent(QMouseEvent* e) {
    if (onMouseRelease) onMouseRelease(e);
    e->accept();
}

void ViewPane::wheelEvent(QWheelEvent* e) {
    if (onWheel) onWheel(e->angleDelta().y());
    e->accept();
}

ViewPort::ViewPort(QWidget* parent) : QWidget(parent) {
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
}

void ViewPort::resizeEvent(QResizeEvent*) {
    if (onResize) onResize();
}

}  // namespace tsn
