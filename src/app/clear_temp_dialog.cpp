#include "app/clear_temp_dialog.h"

#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tsn {

ClearTempDialog::ClearTempDialog(const QString& folder, QWidget* parent)
    : QDialog(parent), clearing_(folder.toStdString()) {
    setObjectName("frmClearTempFolder");
    setWindowTitle("Clear Temp Folder");
    lines_ = new QListWidget;
    button_ = new QPushButton("Cancel");
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lines_);
    layout->addWidget(button_, 0, Qt::AlignRight);
    resize(460, 300);
    connect(button_, &QPushButton::clicked, this, [this] {
        if (finished_)
            accept();
        else
            canceled_ = true;  // the file being deleted is the last one
    });
}

ClearTempDialog::~ClearTempDialog() = default;

void ClearTempDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (!finished_) QTimer::singleShot(0, this, &ClearTempDialog::Step);
}

void ClearTempDialog::Step() {
    if (finished_) return;
    if (canceled_) return Finish(kClearTempCanceled);
    if (clearing_.Done()) return Finish(kClearTempDone);
    AddLine(QString::fromStdString(clearing_.ProgressLine()));
    AddLine(QString::fromStdString(clearing_.DeleteNext()));
    if (isVisible()) QTimer::singleShot(0, this, &ClearTempDialog::Step);
}

QStringList ClearTempDialog::Lines() const {
    QStringList out;
    for (int i = 0; i < lines_->count(); ++i) out << lines_->item(i)->text();
    return out;
}

void ClearTempDialog::AddLine(const QString& text) {
    lines_->addItem(text);
    lines_->scrollToBottom();
}

void ClearTempDialog::Finish(const QString& text) {
    finished_ = true;
    AddLine(text);
    button_->setText("Ok");
}

}  // namespace tsn
