#include "presentation/snapshot.h"

#include <QDir>
#include <QFileInfo>

namespace tsn {

QString NextSnapshotPath(const QString& folder) {
    QDir dir(folder);
    if (!dir.exists() && !QDir().mkpath(folder)) return {};
    for (int n = 0; n <= 99999; ++n) {
        const QString name = QStringLiteral("SC%1.bmp").arg(n, 6, 10, QChar('0'));
        if (!QFileInfo::exists(dir.filePath(name))) return dir.filePath(name);
    }
    return {};
}

QString SaveSnapshotImage(const QImage& picture, const QString& folder) {
    const QString path = NextSnapshotPath(folder);
    if (path.isEmpty() || picture.isNull()) return {};
    if (!picture.save(path, "BMP")) return {};
    return path;
}

}  // namespace tsn
