#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace tsn {

QString DataFolder() {
    const QByteArray forced = qgetenv("TESSARIN_DATA");
    if (!forced.isEmpty()) return QString::fromLocal8Bit(forced);
    const QString exe = QCoreApplication::applicationDirPath();
    const QStringList candidates = {QDir(exe).filePath("data"), exe,
                                    QDir(exe).filePath("../share/tessarin")};
    for (const QString& c : candidates)
        if (QFileInfo::exists(FindDataFile(c, "tsn32.bmp"))) return QDir(c).absolutePath();
    return QDir(candidates.front()).absolutePath();
}

QString UserFolder() {
    const QByteArray home = qgetenv("TESSARIN_HOME");
    QString folder;
    if (!home.isEmpty()) {
        folder = QString::fromLocal8Bit(home);
    } else {
        const QByteArray xdg = qgetenv("XDG_DATA_HOME");
        folder = !xdg.isEmpty() ? QDir(QString::fromLocal8Bit(xdg)).filePath("tessarin")
                                : QDir(QDir::homePath()).filePath(".local/share/tessarin");
    }
    QDir().mkpath(folder);
    return folder;
}

QString UserSubFolder(const QString& name) {
    const QString path = QDir(UserFolder()).filePath(name);
    QDir().mkpath(path);
    return path;
}

QString FindDataFile(const QString& folder, const QString& relative) {
    QString current = folder;
    const QStringList parts = relative.split('/', Qt::SkipEmptyParts);
    for (const QString& part : parts) {
        QDir dir(current);
        QString match = dir.filePath(part);
        if (!QFileInfo::exists(match)) {
            const auto entries = dir.entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
            for (const QString& e : entries)
                if (e.compare(part, Qt::CaseInsensitive) == 0) {
                    match = dir.filePath(e);
                    break;
                }
        }
        current = match;
    }
    return current;
}

}  // namespace tsn
