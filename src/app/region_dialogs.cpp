#include "app/region_dialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "app/editor_palette.h"

namespace tsn {

RegionDialog::RegionDialog(Region& region, int width, int height, QWidget* parent)
    : QDialog(parent),
      region_(region),
      width_(width),
      height_(height),
      all_(new QCheckBox("All")),
      border_(new QCheckBox("Border")) {
    setModal(false);
    auto* grid = new QGridLayout;
    const char* labels[4] = {"X1:", "X2:", "Y1:", "Y2:"};
    for (int i = 0; i < 4; ++i) {
        auto* box = new QLineEdit;
        box->setValidator(new QIntValidator(-99999, 99999, box));
        box->setMaximumWidth(60);
        boxes_[static_cast<size_t>(i)] = box;
        grid->addWidget(new QLabel(labels[i]), i / 2, (i % 2) * 2);
        grid->addWidget(box, i / 2, (i % 2) * 2 + 1);
        // A typed column stays within 1 .. width, a row within 1 .. height.
        const int limit = i < 2 ? width : height;
        connect(box, &QLineEdit::textEdited, this, [box, limit] {
            bool ok = false;
            const int v = box->text().toInt(&ok);
            if (ok && (v < 1 || v > limit)) box->setText(QString::number(std::clamp(v, 1, limit)));
        });
    }
    grid->addWidget(all_, 2, 0, 1, 2);
    grid->addWidget(border_, 2, 2, 1, 2);
    auto* help = new QLabel("Ctrl+1 and Ctrl+2 over the level take the first and the second "
                            "corner from the cell under the mouse.");
    help->setWordWrap(true);
    grid->addWidget(help, 3, 0, 1, 4);
    auto* column = new QVBoxLayout(this);
    column->addLayout(grid);
    connect(all_, &QCheckBox::toggled, this, [this](bool all) {
        for (QLineEdit* b : boxes_) b->setEnabled(!all);
        if (all)
            Show(1, width_, 1, height_);
        else
            ShowRemembered();
    });
    connect(border_, &QCheckBox::toggled, this, [this](bool border) {
        if (border)
            Show(1, width_, 1, height_);
        else
            Show(2, width_ - 1, 2, height_ - 1);
    });
    ShowRemembered();
}

void RegionDialog::Finish(const char* name, const char* title,
                          std::initializer_list<QWidget*> controls, const char* button) {
    setObjectName(name);
    setWindowTitle(title);
    auto* ok = new QPushButton(button);
    auto* column = static_cast<QVBoxLayout*>(layout());
    for (QWidget* c : controls) column->addWidget(c);
    column->addWidget(ok);
    connect(ok, &QPushButton::clicked, this, &RegionDialog::Confirm);
}

void RegionDialog::Show(int x1, int x2, int y1, int y2) {
    const int v[4] = {x1, x2, y1, y2};
    for (int i = 0; i < 4; ++i) boxes_[static_cast<size_t>(i)]->setText(QString::number(v[i]));
}

void RegionDialog::ShowRemembered() {
    Show(region_.x1 + 1, region_.x2 + 1, region_.y1 + 1, region_.y2 + 1);
}

int RegionDialog::Typed(int i) const { return boxes_[static_cast<size_t>(i)]->text().toInt(); }

void RegionDialog::SetCorner(bool second, int column, int row) {
    const int x = std::clamp(column + 1, 1, width_), y = std::clamp(row + 1, 1, height_);
    boxes_[second ? 1u : 0u]->setText(QString::number(x));
    boxes_[second ? 3u : 2u]->setText(QString::number(y));
    region_ = DialogRegion(Typed(0), Typed(1), Typed(2), Typed(3), false, true, width_, height_);
}

void RegionDialog::Confirm() {
    region_ = DialogRegion(Typed(0), Typed(1), Typed(2), Typed(3), all_->isChecked(),
                           border_->isChecked(), width_, height_);
    Apply(region_);
    accept();
}

FillDialog::FillDialog(Region& region, int width, int height, const QImage& sheet,
                       QWidget* parent)
    : RegionDialog(region, width, height, parent),
      palette_(new ElementPalette(sheet, 13)),
      onlyBorder_(new QCheckBox("Only Border")) {
    palette_->Select(0);
    Finish("frmCustomFillValues", "Custom Fill Area", {onlyBorder_, palette_}, "Fill");
}

void FillDialog::Apply(const Region& r) {
    if (fill) fill(r, palette_->Selected(), onlyBorder_->isChecked());
}

FlipDialog::FlipDialog(Region& region, int width, int height, QWidget* parent)
    : RegionDialog(region, width, height, parent) {
    auto* modeBox = new QGroupBox("Mode:");
    auto* modeRow = new QHBoxLayout(modeBox);
    modes_ = {new QRadioButton("Vertical"), new QRadioButton("Horizontal")};
    modes_[0]->setChecked(true);
    for (QRadioButton* b : modes_) modeRow->addWidget(b);
    Finish("frmCustomFlipValues", "Custom Flip Area", {modeBox}, "Flip");
}

void FlipDialog::Apply(const Region& r) {
    if (flip) flip(r, !modes_[0]->isChecked());
}

}  // namespace tsn
