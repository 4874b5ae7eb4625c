#pragma once
// The mouse over the view pane. In the editor the left button paints (also while dragging)
// and a right drag pans the view; outside the editor a drag with either button pans. A right
// click that did not pan opens the Edit menu. While a region dialog is open, presses and
// releases with Ctrl held are ignored (Ctrl+1 and Ctrl+2 pick the region's corners instead).
#include <QPoint>
#include <QPointF>
#include <QRectF>
#include <Qt>
#include <cstdint>
#include <functional>

namespace tsn {

struct WindowState;
class ViewController;

// What the editor does with the pointer.
struct CanvasHooks {
    std::function<void()> strokeStarted;             // left press: an undo step first
    std::function<void(int column, int row)> paint;  // left held or released over a field cell
    std::function<void()> strokeEnded;               // left release, after its paint
    std::function<void(int column, int row)> hover;  // the cell under the pointer
};

class PaneMouse {
public:
    static constexpr uint8_t kDrawing = 1;
    static constexpr uint8_t kPanning = 3;

    PaneMouse(WindowState& s, ViewController& view) : s_(s), view_(view) {}

    bool editing = false;
    CanvasHooks canvas;
    // True while a region dialog is open.
    std::function<bool()> dialogOpen;
    // Opens the Edit menu at a screen position; the cell under the pointer is given (-1 when
    // the pointer is outside the field).
    std::function<void(const QPoint& global, int column, int row)> contextMenu;
    // The pointer shape of the pane.
    std::function<void(Qt::CursorShape)> setCursor;

    void Press(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF pos);
    void Move(Qt::MouseButtons held, QPointF pos);
    void Release(Qt::MouseButton button, Qt::KeyboardModifiers mods, QPointF pos,
                 QPoint global);

    uint8_t Mode() const { return mode_; }

    // The cell under a pane point (pane pixels) at the current scroll position and zoom;
    // columns and rows left of or above the field are negative.
    QPoint CellAt(QPointF pos) const;
    // The cell the editor's status shows: negative values become 0.
    QPoint StatusCellAt(QPointF pos) const;
    // The pane rectangle of a cell.
    QRectF CellRect(QPoint cell) const;

private:
    bool Ignored(Qt::KeyboardModifiers mods) const;
    // The canvas takes the mouse: in the editor, while no test game runs.
    bool Drawing() const;
    bool InField(QPoint cell) const;
    void PanTo(QPointF pos);
    void PaintAt(QPointF pos);
    QPointF BufferPixels(QPointF pos) const;

    WindowState& s_;
    ViewController& view_;
    uint8_t mode_ = kDrawing;
    Qt::MouseButton pressed_ = Qt::NoButton;
    bool panned_ = false;
    QPointF startMouse_;  // buffer pixels
    int startScrollX_ = 0;
    int startScrollY_ = 0;
};

}  // namespace tsn
