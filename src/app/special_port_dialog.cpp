#include "app/special_port_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace tsn {

SpecialPortDialog::SpecialPortDialog(const SpecialPortSettings& shown, QWidget* parent) : QDialog(parent) {
    setObjectName("frmSP");
    setWindowTitle("Special Port Setup");
    auto* frame = new QGroupBox("Port Settings");
    auto* grid = new QGridLayout(frame);
    const char* names[3] = {"Gravity", "Freeze Zonks", "Freeze Enemies"};
    const bool values[3] = {shown.gravity, shown.frozenZonks, shown.frozenEnemies};
    for (int pair = 0; pair < 3; ++pair) {
        auto* on = new QCheckBox(QString(names[pair]) + " ON");
        auto* off = new QCheckBox(QString(names[pair]) + " OFF");
        on->setChecked(values[pair]);
        off->setChecked(!values[pair]);
        connect(on, &QCheckBox::toggled, off, [off](bool checked) { if (checked) off->setChecked(false); });
        connect(off, &QCheckBox::toggled, on, [on](bool checked) { if (checked) on->setChecked(false); });
        boxes_[static_cast<size_t>(2 * pair)] = on;
        boxes_[static_cast<size_t>(2 * pair + 1)] = off;
        grid->addWidget(on, pair, 0);
        grid->addWidget(off, pair, 1);
    }
    auto* apply = new QPushButton("Apply");
    auto* column = new QVBoxLayout(this);
    column->addWidget(frame);
    column->addWidget(apply);
    connect(apply, &QPushButton::clicked, this, &QDialog::accept);
}

QCheckBox* SpecialPortDialog::Box(int pair, bool on) const {
    return boxes_[static_cast<size_t>(2 * pair + (on ? 0 : 1))];
}

SpecialPortSettings SpecialPortDialog::Settings() const {
    return {Box(0, true)->isChecked(), Box(1, true)->isChecked(), Box(2, true)->isChecked()};
}

}  // namespace tsn
