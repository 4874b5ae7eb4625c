#pragma once
// The level information window: a small frameless window over the main window that shows a
// level's title, size and signature for a while and then goes away.
#include <QLabel>
#include <QTimer>

namespace tsn {

class LevelInfoPopup : public QLabel {
    Q_OBJECT
public:
    explicit LevelInfoPopup(QWidget* owner);
    // Shows `text` ("\r\n" line breaks) near the owner's top left corner for `ms`
    // milliseconds; a new text replaces the one shown.
    void ShowFor(const QString& text, int ms);
    bool Timing() const { return timer_.isActive(); }

private:
    QWidget* owner_;
    QTimer timer_;
};

}  // namespace tsn
