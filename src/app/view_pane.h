#pragma once
// The view pane: shows the visible part of the scroll buffer stretched by the zoom, with
// nearest-neighbour scaling so that pixel art stays sharp.
#include <QRect>
#include <QWidget>
#include <functional>

namespace tsn {

class ScrollBuffer;

class ViewPane : public QWidget {
    Q_OBJECT
public:
    explicit ViewPane(QWidget* parent = nullptr);
    void SetBuffer(ScrollBuffer* buffer) { buffer_ = buffer; }
    // The mouse wheel over the pane: positive rotation zooms in.
    std::function<void(int rotation)> onWheel;
    // Presses, moves and releases of the mouse over the pane.
    std::function<void(QMouseEvent* e)> onMousePress;
    std::function<void(QMouseEvent* e)> onMouseMove;
    std::function<void(QMouseEvent* e)> onMouseRelease;

    // A one-cell outline drawn over the picture (pane pixels); an empty rectangle draws none.
    void SetCursorCell(const QRect& cell);
    QRect CursorCell() const { return cursorCell_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    ScrollBuffer* buffer_ = nullptr;
    QRect cursorCell_;
};

// The area around the pane (the pane is laid out inside it on every resize).
class ViewPort : public QWidget {
    Q_OBJECT
public:
    explicit ViewPort(QWidget* parent = nullptr);
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* e) override;
};

}  // namespace tsn
