#pragma once
// The element palette of the editor (and of the fill dialog): one picture per element that can
// be placed, codes 0 .. 12 and 17 .. 40 (special ports come from the port dialog), the
// selected one marked.
#include <QImage>
#include <QWidget>

class QButtonGroup;

namespace tsn {

// The picture of a code as the editor draws it (a bug and the wall space have pictures of
// their own there).
QImage ElementPicture(const QImage& sheet, int code);

class ElementPalette : public QWidget {
    Q_OBJECT
public:
    // `columns`: buttons per row.
    ElementPalette(const QImage& sheet, int columns, QWidget* parent = nullptr);
    // The pictures from another sprite sheet.
    void SetSheet(const QImage& sheet);
    // Marks the element of `code` (a code outside the palette marks none).
    void Select(int code);
    int Selected() const { return selected_; }
    // Clicks the element of `code` as the user would.
    void Click(int code);

signals:
    void selected(int code);

private:
    QButtonGroup* group_;
    int selected_ = -1;
    qint64 sheetKey_ = -1;
};

}  // namespace tsn
