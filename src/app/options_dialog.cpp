#include "app/options_dialog.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QIntValidator>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QVBoxLayout>

#include "app/bgr_color.h"

namespace tsn {

namespace {
QCheckBox* Check(const QString& text, const char* name) {
    auto* c = new QCheckBox(text);
    c->setObjectName(name);
    return c;
}

QSlider* VolumeSlider(const char* name) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setObjectName(name);
    s->setRange(0, 10000);
    s->setSingleStep(250);
    s->setPageStep(1000);
    return s;
}
}  // namespace

OptionsDialog::OptionsDialog(const Settings& values, const QString& version, QWidget* parent)
    : QDialog(parent), version_(version), values_(values) {
    setObjectName("OptionsForm");
    setWindowTitle("Options");
    ask = [this](const QString& title, const QString& prompt, const QString& proposal) {
        return std::optional<QString>(QInputDialog::getText(this, title, prompt, QLineEdit::Normal, proposal));
    };
    chooseColor = [this](const QColor& initial, const QString& title) {
        return QColorDialog::getColor(initial, this, title);
    };

    auto* columns = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    left->addWidget(BuildGeneral());
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(BuildSound());
    right->addWidget(BuildDisplay());
    right->addWidget(BuildSignature());
    columns->addLayout(left);
    columns->addLayout(right);

    ok_ = new QPushButton("OK");
    ok_->setDefault(true);
    cancel_ = new QPushButton("Cancel");
    default_ = new QPushButton("Default");
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(default_, &QPushButton::clicked, this, [this] { ResetToDefaults(); });
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(default_);
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* page = new QVBoxLayout(this);
    page->addLayout(columns);
    page->addLayout(buttons);
    SetValues(values);
}

QWidget* OptionsDialog::BuildGeneral() {
    auto* box = new QGroupBox("General");
    auto* col = new QVBoxLayout(box);

    auto* info = new QGridLayout;
    txtSignatureDelay_ = new QLineEdit;
    txtSignatureDelay_->setObjectName("txtSignatureDelay");
    txtSignatureDelay_->setValidator(new QIntValidator(0, kMaxSignatureDelay, txtSignatureDelay_));
    txtSignatureDelay_->setMaximumWidth(80);
    chkDisableInfo_ = Check("Disable", "chkDisableInfo");
    connect(chkDisableInfo_, &QCheckBox::toggled, txtSignatureDelay_,
            [this](bool off) { txtSignatureDelay_->setEnabled(!off); });
    info->addWidget(new QLabel("Show level info for"), 0, 0);
    info->addWidget(txtSignatureDelay_, 0, 1);
    info->addWidget(chkDisableInfo_, 0, 2);
    info->addWidget(new QLabel("Milliseconds (1000 = 1 second)"), 1, 0, 1, 3);
    col->addLayout(info);

    chkSplash_ = Check("Show splash sreen", "chkSplash");
    chkInstances_ = Check("Allow running multiple Tessarin instances", "chkInstances");
    chkEatRightBug_ = Check("Allow \"Eat right red disk bug\" (uncorrect display shift)", "chkEatRightBug");
    chkRedDiskCheat_ = Check("Allow \"red disk cheat\" (eat exploding red disks)", "chkRedDiskCheat");
    chkLimitArea_ = Check("Limit visible area to original Quorvane screen size", "chkLimitArea");
    for (QCheckBox* c : {chkSplash_, chkInstances_, chkEatRightBug_, chkRedDiskCheat_, chkLimitArea_})
        col->addWidget(c);

    auto* end = new QGroupBox("End Level Behavior");
    auto* endRow = new QHBoxLayout(end);
    optDontReload_ = new QRadioButton("Don't reload");
    optDontReload_->setObjectName("optDontReload");
    optReload_ = new QRadioButton("Reload level");
    optReload_->setObjectName("optReload");
    endRow->addWidget(optDontReload_);
    endRow->addWidget(optReload_);
    col->addWidget(end);

    auto* ready = new QHBoxLayout;
    cmbGetReady_ = new QComboBox;
    cmbGetReady_->setObjectName("cmbGetReady");
    ready->addWidget(new QLabel("Get Ready Timer"));
    ready->addWidget(cmbGetReady_);
    ready->addStretch(1);
    col->addLayout(ready);

    auto* player = new QGroupBox("Player");
    auto* who = new QGridLayout(player);
    lblName_ = new QLabel;
    lblName_->setObjectName("lblPlayerName");
    lblEmail_ = new QLabel;
    lblEmail_->setObjectName("lblPlayerEmail");
    who->addWidget(new QLabel("Name:"), 0, 0);
    who->addWidget(lblName_, 0, 1);
    who->addWidget(new QLabel("E-mail:"), 1, 0);
    who->addWidget(lblEmail_, 1, 1);
    who->setColumnStretch(1, 1);
    col->addWidget(player);
    return box;
}

QWidget* OptionsDialog::BuildSound() {
    auto* box = new QGroupBox("Sound");
    auto* grid = new QGridLayout(box);
    chkMusic_ = Check("Background music", "chkMusic");
    chkFx_ = Check("FX sounds", "chkFx");
    sldMusic_ = VolumeSlider("sldMusic");
    sldFx_ = VolumeSlider("sldFx");
    grid->addWidget(chkMusic_, 0, 0);
    grid->addWidget(sldMusic_, 0, 1);
    grid->addWidget(chkFx_, 1, 0);
    grid->addWidget(sldFx_, 1, 1);
    return box;
}

QWidget* OptionsDialog::BuildDisplay() {
    auto* box = new QGroupBox("Display");
    auto* grid = new QGridLayout(box);
    chkGrid_ = Check("Show grid", "chkGrid");
    cmdGridColor_ = new QPushButton;
    cmdGridColor_->setObjectName("cmdGridColor");
    cmdBackColor_ = new QPushButton;
    cmdBackColor_->setObjectName("cmdBackColor");
    for (QPushButton* b : {cmdGridColor_, cmdBackColor_}) {
        b->setFixedSize(48, 22);
        b->setAutoDefault(false);
    }
    connect(cmdGridColor_, &QPushButton::clicked, this,
            [this] { ChooseColor(values_.GridColor, cmdGridColor_, "Grid Color"); });
    connect(cmdBackColor_, &QPushButton::clicked, this,
            [this] { ChooseColor(values_.GameBackgroundColor, cmdBackColor_, "Game Background"); });
    grid->addWidget(chkGrid_, 0, 0);
    grid->addWidget(new QLabel("Grid color"), 0, 1);
    grid->addWidget(cmdGridColor_, 0, 2);
    grid->addWidget(new QLabel("Game Background"), 1, 1);
    grid->addWidget(cmdBackColor_, 1, 2);
    grid->setColumnStretch(0, 1);
    return box;
}

QWidget* OptionsDialog::BuildSignature() {
    auto* box = new QGroupBox("Demo Signature");
    auto* col = new QVBoxLayout(box);
    signature_ = new QPlainTextEdit;
    signature_->setObjectName("txtSignature");
    signature_->setTabChangesFocus(true);
    signature_->installEventFilter(this);
    col->addWidget(signature_);
    col->addWidget(new QLabel(QString("Max 490 caracteres.\r\nCTRL+ENTER for a new line\r\n").remove('\r')));
    return box;
}

// In the signature box Enter is the OK button's, Ctrl+Enter starts a new line.
bool OptionsDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == signature_ && event->type() == QEvent::KeyPress) {
        auto* e = static_cast<QKeyEvent*>(event);
        if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
            if (e->modifiers() & Qt::ControlModifier)
                signature_->insertPlainText("\n");
            else
                accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OptionsDialog::SetValues(const Settings& v) {
    values_ = v;
    txtSignatureDelay_->setText(QString::number(v.SignatureDelay));
    chkDisableInfo_->setChecked(!v.ShowInfo);
    txtSignatureDelay_->setEnabled(v.ShowInfo);
    chkSplash_->setChecked(v.ShowSplash);
    chkInstances_->setChecked(v.AllowMultipleInstances);
    chkEatRightBug_->setChecked(v.AllowEatRightRedDiskBug);
    chkRedDiskCheat_->setChecked(v.AllowRedDiskCheat);
    chkLimitArea_->setChecked(v.LimitToOriginalFieldSize);
    optDontReload_->setChecked(v.FinalSituation);
    optReload_->setChecked(!v.FinalSituation);
    chkMusic_->setChecked(v.Music);
    chkFx_->setChecked(v.SoundFX);
    sldMusic_->setValue(v.MusicVolume);
    sldFx_->setValue(v.SampleVolume);
    chkGrid_->setChecked(v.ShowGrid);
    ShowColor(cmdGridColor_, v.GridColor);
    ShowColor(cmdBackColor_, v.GameBackgroundColor);
    signature_->setPlainText(SignatureForBox(v.MySignature));
    cmbGetReady_->clear();
    for (int choice : GetReadyChoices(v.GetReadyTime)) cmbGetReady_->addItem(GetReadyCaption(choice), choice);
    cmbGetReady_->setCurrentIndex(cmbGetReady_->findData(static_cast<int>(v.GetReadyTime)));
    ShowIdentity();
}

Settings OptionsDialog::Values() const {
    Settings v = values_;
    v.SignatureDelay = SignatureDelayFromText(txtSignatureDelay_->text(), values_.SignatureDelay);
    v.ShowInfo = !chkDisableInfo_->isChecked();
    v.ShowSplash = chkSplash_->isChecked();
    v.AllowMultipleInstances = chkInstances_->isChecked();
    v.AllowEatRightRedDiskBug = chkEatRightBug_->isChecked();
    v.AllowRedDiskCheat = chkRedDiskCheat_->isChecked();
    v.LimitToOriginalFieldSize = chkLimitArea_->isChecked();
    v.FinalSituation = optDontReload_->isChecked();
    v.Music = chkMusic_->isChecked();
    v.SoundFX = chkFx_->isChecked();
    v.MusicVolume = sldMusic_->value();
    v.SampleVolume = sldFx_->value();
    v.ShowGrid = chkGrid_->isChecked();
    v.MySignature = SignatureFromBox(signature_->toPlainText());
    v.GetReadyTime = static_cast<uint8_t>(cmbGetReady_->currentData().toInt());
    KeepOptionsInRange(v);
    return v;
}

void OptionsDialog::ResetToDefaults() {
    SetValues(DefaultOptions(Values(), version_));
    const std::optional<QString> name = AskIdentity(ask, kNameQuestion);
    const std::optional<QString> email = name ? AskIdentity(ask, kEmailQuestion) : std::nullopt;
    if (!name || !email) {
        reject();  // the program is closing
        return;
    }
    values_.DefaultPlayerName = *name;
    values_.DefaultPlayerEmail = *email;
    ShowIdentity();
}

void OptionsDialog::ChooseColor(int32_t& colour, QPushButton* swatch, const QString& title) {
    const QColor chosen = chooseColor(ColorFromBgr(static_cast<uint32_t>(colour)), title);
    if (!chosen.isValid()) return;  // the colour dialog was cancelled
    colour = static_cast<int32_t>(BgrFromColor(chosen));
    ShowColor(swatch, colour);
}

void OptionsDialog::ShowColor(QPushButton* swatch, int32_t colour) {
    swatch->setStyleSheet("background-color: " + ColorFromBgr(static_cast<uint32_t>(colour)).name() + ";");
    swatch->setToolTip(ColorFromBgr(static_cast<uint32_t>(colour)).name());
}

void OptionsDialog::ShowIdentity() {
    lblName_->setText(values_.DefaultPlayerName);
    lblEmail_->setText(values_.DefaultPlayerEmail);
}

}  // namespace tsn
