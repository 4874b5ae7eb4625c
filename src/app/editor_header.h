#pragma once
// The editor's tool frame: the level header (title, Infotrons needed with "All", gravity,
// frozen Zonks), the element counts, the element palette and what lies under the pointer.
#include <QFrame>
#include <QImage>

class QCheckBox;
class QLabel;
class QLineEdit;

namespace tsn {

class ElementPalette;

// What the status labels show for the cell under the pointer.
struct PointerStatus {
    int column = 0, row = 0;  // 0-based
    QString element;
    bool specialPort = false;
    bool gravity = false, frozenZonks = false, frozenEnemies = false;
    int specialPorts = 0;
};

class EditorHeader : public QFrame {
    Q_OBJECT
public:
    EditorHeader(const QImage& sheet, QWidget* parent = nullptr);

    QLineEdit* Title() const { return title_; }
    QLineEdit* InfotronsNeeded() const { return infoNeeded_; }
    QCheckBox* All() const { return all_; }
    QCheckBox* Gravity() const { return gravity_; }
    QCheckBox* FrozenZonks() const { return zonks_; }
    ElementPalette* Palette() const { return palette_; }
    QLabel* ModeLabel() const { return mode_; }

    // The count text ("total - Infotrons - Electrons") and the red disks.
    void ShowCounts(const QString& text, int redDisks);
    void ShowPointer(const PointerStatus& p);
    QString CountText() const;

signals:
    // The title box was left.
    void titleLeft();
    // Enter in the Infotrons-needed box, and the box left.
    void infotronsEntered();
    void infotronsLeft();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* title_;
    QLineEdit* infoNeeded_;
    QLineEdit* infoCount_;
    QCheckBox* all_;
    QCheckBox* gravity_;
    QCheckBox* zonks_;
    QLabel* redDisks_;
    QLabel* column_;
    QLabel* row_;
    QLabel* mode_;
    QLabel* portGravity_;
    QLabel* portZonks_;
    QLabel* portEnemies_;
    QLabel* portCount_;
    ElementPalette* palette_;
};

}  // namespace tsn
