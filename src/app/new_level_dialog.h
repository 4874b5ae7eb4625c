#pragma once
// The size dialog of File -> New Level: width and height of the new level, 3 .. 125 cells.
#include <QDialog>

class QLineEdit;

namespace tsn {

class NewLevelDialog : public QDialog {
    Q_OBJECT
public:
    explicit NewLevelDialog(QWidget* parent = nullptr);
    QLineEdit* WidthBox() const { return width_; }
    QLineEdit* HeightBox() const { return height_; }
    // The sizes as confirmed.
    int LevelWidth() const { return levelWidth_; }
    int LevelHeight() const { return levelHeight_; }
    // Confirms the sizes typed, as the OK button does.
    void Confirm();

private:
    QLineEdit* width_;
    QLineEdit* height_;
    int levelWidth_ = 60;
    int levelHeight_ = 24;
};

}  // namespace tsn
