#pragma once
// "Special Port Setup": gravity, frozen Zonks and frozen enemies of the special port under the
// pointer, each a pair of On / Off boxes of which checking one unchecks the other.
#include <QDialog>
#include <array>

#include "editor/special_ports.h"

class QCheckBox;

namespace tsn {

class SpecialPortDialog : public QDialog {
    Q_OBJECT
public:
    SpecialPortDialog(const SpecialPortSettings& shown, QWidget* parent);
    SpecialPortSettings Settings() const;
    // Pair 0 gravity, 1 frozen Zonks, 2 frozen enemies; `on` picks the On or the Off box.
    QCheckBox* Box(int pair, bool on) const;

private:
    std::array<QCheckBox*, 6> boxes_{};  // on, off for each pair
};

}  // namespace tsn
