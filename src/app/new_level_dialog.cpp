#include "app/new_level_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>

#include "editor/new_level.h"

namespace tsn {

namespace {
int Side(const QLineEdit* box) { return NewLevelSide(box->text().toStdString()); }
}  // namespace

NewLevelDialog::NewLevelDialog(QWidget* parent)
    : QDialog(parent), width_(new QLineEdit("60")), height_(new QLineEdit("24")) {
    setObjectName("NewForm");
    setWindowTitle("New Level");
    auto* form = new QFormLayout(this);
    form->addRow(QStringLiteral("Width (%1 - %2):").arg(kMinNewLevelSide).arg(kMaxNewLevelSide), width_);
    form->addRow(QStringLiteral("Height (%1 - %2):").arg(kMinNewLevelSide).arg(kMaxNewLevelSide), height_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    form->addRow(buttons);
    // A value is brought into range when the box is left.
    for (QLineEdit* box : {width_, height_})
        connect(box, &QLineEdit::editingFinished, this,
                [box] { box->setText(QString::number(Side(box))); });
    connect(buttons, &QDialogButtonBox::accepted, this, &NewLevelDialog::Confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void NewLevelDialog::Confirm() {
    levelWidth_ = Side(width_);
    levelHeight_ = Side(height_);
    accept();
}

}  // namespace tsn
