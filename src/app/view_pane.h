#pragma once
// The view pane: shows the visible part of the scroll buffer stretched by the zoom, with
// nearest-neighbour scaling so that pixel art stays sharp.
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

protected:
    void paintEvent(QPaintEvent* e) override;
    void wheelEvent(QWheelEvent* e) override;

private:
    ScrollBuffer* buffer_ = nullptr;
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
