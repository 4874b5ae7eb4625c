#include "app/level_info_popup.h"

namespace tsn {

LevelInfoPopup::LevelInfoPopup(QWidget* owner)
    : QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint), owner_(owner) {
    setObjectName("LevelInfoPopup");
    setTextFormat(Qt::PlainText);
    setMargin(10);
    setFrameShape(QFrame::Box);
    setAlignment(Qt::AlignCenter);
    setAutoFillBackground(true);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &QWidget::hide);
}

void LevelInfoPopup::ShowFor(const QString& text, int ms) {
    QString shown = text;
    shown.replace("\r\n", "\n");
    setText(shown);
    adjustSize();
    if (owner_ != nullptr) move(owner_->mapToGlobal(QPoint(40, 80)));
    show();
    raise();
    timer_.start(ms);
}

}  // namespace tsn
