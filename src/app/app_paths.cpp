#include "app/app_paths.h"

#include <QDir>

#include "files/paths.h"

namespace tsn {

QString DataFolder() {
    auto folder = FindDataFolder();
    return folder ? QString::fromStdString(*folder) : QDir::current().filePath("data");
}

QString UserFolder() {
    const QString folder = QString::fromStdString(UserDataFolder());
    QDir().mkpath(folder);
    return folder;
}

QString UserSubFolder(const QString& name) {
    auto folder = tsn::UserSubFolder(name.toStdString());
    return folder ? QString::fromStdString(*folder) : QDir(UserFolder()).filePath(name);
}

QString FindDataFile(const QString& folder, const QString& relative) {
    const auto found = FindFileNoCase(folder.toStdString(), relative.toStdString());
    return found ? QString::fromStdString(*found) : QDir(folder).filePath(relative);
}

}  // namespace tsn
