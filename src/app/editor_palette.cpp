#include "app/editor_palette.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QPixmap>
#include <QToolButton>

#include "editor/editor_coding.h"
#include "editor/put_element.h"
#include "engine/element_codes.h"

namespace tsn {

QImage ElementPicture(const QImage& sheet, int code) {
    const int sprite = EditorCode(code);
    if (sheet.isNull()) return QImage();
    const int w = sheet.width() / 16, h = sheet.height() / 16;
    return sheet.copy((sprite % 16) * w, (sprite / 16) * h, w, h);
}

ElementPalette::ElementPalette(const QImage& sheet, int columns, QWidget* parent)
    : QWidget(parent), group_(new QButtonGroup(this)) {
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(1);
    group_->setExclusive(true);
    int n = 0;
    for (const int code : PaletteCodes()) {
        auto* b = new QToolButton;
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus);
        b->setIconSize(QSize(24, 24));
        b->setToolTip(QString::fromStdString(ElementName(code)));
        // The marked element stands out with a frame.
        b->setStyleSheet("QToolButton:checked { border: 2px solid #FF2020; }");
        group_->addButton(b, code);
        grid->addWidget(b, n / columns, n % columns);
        ++n;
    }
    SetSheet(sheet);
    connect(group_, &QButtonGroup::idClicked, this, [this](int code) {
        selected_ = code;
        emit selected(code);
    });
}

void ElementPalette::SetSheet(const QImage& sheet) {
    if (sheet.cacheKey() == sheetKey_) return;
    sheetKey_ = sheet.cacheKey();
    for (QAbstractButton* b : group_->buttons())
        b->setIcon(QPixmap::fromImage(ElementPicture(sheet, group_->id(b))));
}

void ElementPalette::Select(int code) {
    if (QAbstractButton* b = group_->button(code)) {
        b->setChecked(true);
        selected_ = code;
        return;
    }
    group_->setExclusive(false);
    for (QAbstractButton* b : group_->buttons()) b->setChecked(false);
    group_->setExclusive(true);
    selected_ = -1;
}

void ElementPalette::Click(int code) {
    if (QAbstractButton* b = group_->button(code)) b->click();
}

}  // namespace tsn
