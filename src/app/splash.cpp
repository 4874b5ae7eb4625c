#include "app/splash.h"

#include <QFont>
#include <QPainter>
#include <QTimer>
#include <array>

#include "engine/element_codes.h"
#include "presentation/field_renderer.h"

namespace tsn {

namespace {
constexpr int kWidth = 512;
constexpr int kHeight = 240;
constexpr int kCell = 32;

// The elements along the top and bottom edges of the picture.
constexpr std::array<int, 8> kRow = {kZonk,     kInfotron, kBase,     kMurphy,
                                     kOrangeDisk, kSnikSnak, kElectron, kExit};

// Where the picture of `code` lies on the sheet (16 sprites a row).
QRect SheetCell(int code) {
    const int sprite = SpriteForCode(code, false, false);
    return QRect((sprite % 16) * kCell, (sprite / 16) * kCell, kCell, kCell);
}
}  // namespace

QPixmap SplashPicture(const QImage& sheet, const QString& version) {
    QPixmap picture(kWidth, kHeight);
    picture.fill(QColor(0x10, 0x10, 0x18));
    QPainter p(&picture);
    if (!sheet.isNull()) {
        const int step = kWidth / 16;
        for (int i = 0; i < 16; ++i) {
            p.drawImage(QRect(i * step, 0, kCell, kCell), sheet,
                        SheetCell(i < 8 ? kRow[static_cast<size_t>(i)] : kHardware));
            p.drawImage(QRect(i * step, kHeight - kCell, kCell, kCell), sheet,
                        SheetCell(i % 2 == 0 ? kRam : kHardware));
        }
    }
    p.setPen(QColor(0xEA, 0xEA, 0xEA));
    QFont title = p.font();
    title.setPixelSize(56);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(0, 50, kWidth, 80), Qt::AlignCenter, QStringLiteral("Tessarin"));
    QFont small = p.font();
    small.setPixelSize(16);
    small.setBold(false);
    p.setFont(small);
    p.drawText(QRect(0, 130, kWidth, 24), Qt::AlignCenter, QStringLiteral("v.") + version);
    p.drawText(QRect(0, 160, kWidth, 24), Qt::AlignCenter, QStringLiteral("Click to continue"));
    return picture;
}

Splash::Splash(const QImage& sheet, const QString& version, QWidget* parent, int ms)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      picture_(SplashPicture(sheet, version)) {
    setObjectName("Splash");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(picture_.size());
    if (parent != nullptr) move(parent->geometry().center() - rect().center());
    QTimer::singleShot(ms, this, &QWidget::close);
    show();
}

void Splash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, picture_);
}

void Splash::mousePressEvent(QMouseEvent*) { close(); }
void Splash::keyPressEvent(QKeyEvent*) { close(); }

}  // namespace tsn
