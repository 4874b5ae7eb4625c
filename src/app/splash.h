#pragma once
// The splash window at start-up: a picture made from the game's own sprite sheet with the
// title and the version. It closes by itself after a while, or on a click or a key.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <QWidget>

namespace tsn {

inline constexpr int kSplashMs = 3000;

// The splash picture; without a sheet (a null image) the sprites are left out.
QPixmap SplashPicture(const QImage& sheet, const QString& version);

class Splash : public QWidget {
    Q_OBJECT
public:
    // Shown modal over `parent` at once; deletes itself when closed.
    Splash(const QImage& sheet, const QString& version, QWidget* parent, int ms = kSplashMs);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QPixmap picture_;
};

}  // namespace tsn
