#pragma once
// The two region dialogs of the editor: "Custom Fill Area" fills a rectangle (or only its
// outline) with one element, "Custom Flip Area" flips a rectangle left to right or top to
// bottom. The rectangle is typed as 1-based columns and rows; the last one confirmed is kept
// for the next use of either dialog. Both stay open beside the canvas, where Ctrl+1 and Ctrl+2
// take its two corners from the cell under the pointer.
#include <QDialog>
#include <QImage>
#include <array>
#include <functional>
#include <initializer_list>

#include "editor/region_ops.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace tsn {

class ElementPalette;

class RegionDialog : public QDialog {
    Q_OBJECT
public:
    // `region`: the remembered region (0-based), updated by OK and by Ctrl+1 / Ctrl+2.
    RegionDialog(Region& region, int width, int height, QWidget* parent);

    QCheckBox* AllBox() const { return all_; }
    QCheckBox* BorderBox() const { return border_; }
    // The boxes X1, X2, Y1, Y2 (index 0 .. 3).
    QLineEdit* Box(int i) const { return boxes_[static_cast<size_t>(i)]; }
    // Ctrl+1 (first) and Ctrl+2 (second corner): the corner from a cell (0-based).
    void SetCorner(bool second, int column, int row);
    // OK: the region confirmed is remembered and handed on; the dialog closes.
    void Confirm();

protected:
    virtual void Apply(const Region& confirmed) = 0;
    // Names the dialog and puts its own controls under the rectangle, then its OK button.
    void Finish(const char* name, const char* title, std::initializer_list<QWidget*> controls,
                const char* button);

private:
    // Shows a 1-based rectangle.
    void Show(int x1, int x2, int y1, int y2);
    void ShowRemembered();
    int Typed(int i) const;

    Region& region_;
    int width_, height_;
    std::array<QLineEdit*, 4> boxes_{};
    QCheckBox* all_;
    QCheckBox* border_;
};

class FillDialog : public RegionDialog {
    Q_OBJECT
public:
    FillDialog(Region& region, int width, int height, const QImage& sheet, QWidget* parent);
    ElementPalette* Palette() const { return palette_; }
    QCheckBox* OnlyBorderBox() const { return onlyBorder_; }
    std::function<void(const Region& r, int code, bool outlineOnly)> fill;

protected:
    void Apply(const Region& r) override;

private:
    ElementPalette* palette_;
    QCheckBox* onlyBorder_;
};

class FlipDialog : public RegionDialog {
    Q_OBJECT
public:
    FlipDialog(Region& region, int width, int height, QWidget* parent);
    // Item 0 "Vertical" exchanges left and right, item 1 "Horizontal" top and bottom.
    QRadioButton* ModeButton(int item) const { return modes_[static_cast<size_t>(item)]; }
    std::function<void(const Region& r, bool topBottom)> flip;

protected:
    void Apply(const Region& r) override;

private:
    std::array<QRadioButton*, 2> modes_{};
};

}  // namespace tsn
