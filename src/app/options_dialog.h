#pragma once
// The options dialog: every preference the player may change, shown from the values it is
// given; OK hands back the edited values, Cancel none, Default resets the controls to the
// defaults and asks for the player's name and e-mail again.
#include <QDialog>
#include <functional>

#include "app/options_rules.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QSlider;

namespace tsn {

class OptionsDialog : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(const Settings& values, const QString& version, QWidget* parent = nullptr);

    // The settings with the values the controls show now (kept inside their ranges).
    Settings Values() const;
    void SetValues(const Settings& v);
    // The Default button.
    void ResetToDefaults();

    // The input boxes for name and e-mail and the colour choice; tests answer them.
    AskText ask;
    std::function<QColor(const QColor& initial, const QString& title)> chooseColor;

    QPushButton* OkButton() const { return ok_; }
    QPushButton* CancelButton() const { return cancel_; }
    QPushButton* DefaultButton() const { return default_; }
    QPlainTextEdit* SignatureBox() const { return signature_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildGeneral();
    QWidget* BuildSound();
    QWidget* BuildDisplay();
    QWidget* BuildSignature();
    void ChooseColor(int32_t& colour, QPushButton* swatch, const QString& title);
    void ShowColor(QPushButton* swatch, int32_t colour);
    void ShowIdentity();

    QString version_;
    Settings values_;  // and what the controls do not hold: colours, name and e-mail
    QLineEdit* txtSignatureDelay_ = nullptr;
    QCheckBox* chkDisableInfo_ = nullptr;
    QCheckBox* chkSplash_ = nullptr;
    QCheckBox* chkInstances_ = nullptr;
    QCheckBox* chkEatRightBug_ = nullptr;
    QCheckBox* chkRedDiskCheat_ = nullptr;
    QCheckBox* chkLimitArea_ = nullptr;
    QRadioButton* optDontReload_ = nullptr;
    QRadioButton* optReload_ = nullptr;
    QCheckBox* chkMusic_ = nullptr;
    QCheckBox* chkFx_ = nullptr;
    QSlider* sldMusic_ = nullptr;
    QSlider* sldFx_ = nullptr;
    QCheckBox* chkGrid_ = nullptr;
    QPushButton* cmdGridColor_ = nullptr;
    QPushButton* cmdBackColor_ = nullptr;
    QPlainTextEdit* signature_ = nullptr;
    QComboBox* cmbGetReady_ = nullptr;
    QLabel* lblName_ = nullptr;
    QLabel* lblEmail_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* default_ = nullptr;
};

}  // namespace tsn
