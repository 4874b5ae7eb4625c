#include "app/editor_header.h"

#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "app/editor_palette.h"

namespace tsn {

namespace {
QString OnOff(bool on) { return on ? QStringLiteral("On") : QStringLiteral("Off"); }
}  // namespace

EditorHeader::EditorHeader(const QImage& sheet, QWidget* parent)
    : QFrame(parent),
      title_(new QLineEdit),
      infoNeeded_(new QLineEdit),
      infoCount_(new QLineEdit),
      all_(new QCheckBox("All")),
      gravity_(new QCheckBox("Gravity")),
      zonks_(new QCheckBox("Freeze Zonks")),
      redDisks_(new QLabel),
      column_(new QLabel),
      row_(new QLabel),
      mode_(new QLabel),
      portGravity_(new QLabel),
      portZonks_(new QLabel),
      portEnemies_(new QLabel),
      portCount_(new QLabel),
      palette_(new ElementPalette(sheet, 4)) {
    setObjectName("fraEdit");
    setFrameShape(QFrame::StyledPanel);
    infoCount_->setReadOnly(true);
    infoCount_->setFocusPolicy(Qt::NoFocus);
    for (QWidget* w : std::initializer_list<QWidget*>{all_, gravity_, zonks_}) w->setFocusPolicy(Qt::NoFocus);

    auto* form = new QFormLayout;
    form->addRow("Title:", title_);
    auto* needed = new QHBoxLayout;
    needed->addWidget(infoNeeded_);
    needed->addWidget(all_);
    form->addRow("Infotrons needed:", needed);
    form->addRow("Infotrons:", infoCount_);
    form->addRow("Red disks:", redDisks_);
    form->addRow(gravity_);
    form->addRow(zonks_);

    auto* status = new QGridLayout;
    status->addWidget(new QLabel("X:"), 0, 0);
    status->addWidget(column_, 0, 1);
    status->addWidget(new QLabel("Y:"), 0, 2);
    status->addWidget(row_, 0, 3);
    status->addWidget(mode_, 1, 0, 1, 4);
    status->addWidget(new QLabel("Gravity:"), 2, 0);
    status->addWidget(portGravity_, 2, 1);
    status->addWidget(new QLabel("Zonks:"), 2, 2);
    status->addWidget(portZonks_, 2, 3);
    status->addWidget(new QLabel("Enemies:"), 3, 0);
    status->addWidget(portEnemies_, 3, 1);
    status->addWidget(new QLabel("Special ports:"), 3, 2);
    status->addWidget(portCount_, 3, 3);

    auto* column = new QVBoxLayout(this);
    column->addLayout(form);
    column->addWidget(palette_);
    column->addLayout(status);
    column->addStretch(1);

    title_->installEventFilter(this);
    infoNeeded_->installEventFilter(this);
}

bool EditorHeader::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        if (watched == title_) emit titleLeft();
        if (watched == infoNeeded_) emit infotronsLeft();
    }
    if (event->type() == QEvent::KeyPress && watched == infoNeeded_) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) emit infotronsEntered();
    }
    return false;
}

void EditorHeader::ShowCounts(const QString& text, int redDisks) {
    infoCount_->setText(text);
    redDisks_->setText(QString::number(redDisks));
}

QString EditorHeader::CountText() const { return infoCount_->text(); }

void EditorHeader::ShowPointer(const PointerStatus& p) {
    column_->setText(QString::number(p.column + 1));
    row_->setText(QString::number(p.row + 1));
    mode_->setText(p.element);
    portGravity_->setText(p.specialPort ? OnOff(p.gravity) : QString());
    portZonks_->setText(p.specialPort ? OnOff(p.frozenZonks) : QString());
    portEnemies_->setText(p.specialPort ? OnOff(p.frozenEnemies) : QString());
    portCount_->setText(QString::number(p.specialPorts));
}

}  // namespace tsn
