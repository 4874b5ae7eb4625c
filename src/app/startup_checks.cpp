#include "app/startup_checks.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "app/app_paths.h"
#include "app/sheet_digest.h"
#include "files/level_digest.h"
#include "files/paths.h"
#include "files/temp_files.h"

namespace tsn {

const std::vector<RequiredFile>& RequiredDataFiles() {
    static const std::vector<RequiredFile> files = {
        {"levels/levels.dat", "\\levels\\levels.dat"},
        {"Images/Played32.ico", "\\Images\\Played32.ico"},
        {"Images/Skipped32.ico", "\\Images\\Skipped32.ico"},
        {"Images/NotPlayed32.ico", "\\Images\\NotPlayed32.ico"},
        {"Sound/Zonk.wav", "\\Sound\\Zonk.wav"},
        {"Sound/Infotron.wav", "\\Sound\\Infotron.wav"},
        {"Sound/Bug.wav", "\\Sound\\Bug.wav"},
        {"Sound/Explosion.wav", "\\Sound\\Explosion.wav"},
        {"Sound/Push.wav", "\\Sound\\Push.wav"},
        {"Sound/Exit.wav", "\\Sound\\Exit.wav"},
        {"Sound/Base.wav", "\\Sound\\Base.wav"},
        {"Sound/quorvane.mp3", "\\Sound\\quorvane.mp3"},
    };
    return files;
}

QString ExpectedSheetDigest() { return QStringLiteral(TESSARIN_SHEET_MD5); }

QString FileDigest(const QString& path) {
    const auto digest = DigestFileToHexStr(path.toStdString());
    return digest ? QString::fromStdString(*digest) : QString();
}

std::optional<StartupFailure> CheckDataFolder(const QString& dataFolder, StartupData& out) {
    out.dataFolder = dataFolder;
    QString failed;
    const QString temp = TemporaryFolder(QDir::tempPath(), &failed);
    if (temp.isEmpty())
        return StartupFailure{"Fatal Error", "Can't get a valid temp path.", "Tessarin - Error",
                              "cannot create directory for temporary files: " + failed};
    const QString own = MyTempFileName(QCoreApplication::applicationPid());
    CleanStaleTempFiles(temp, own);
    out.tempLevelFile = QDir(temp).filePath(own);

    const QString sheet = FindDataFile(dataFolder, "tsn32.bmp");
    if (!QFileInfo::exists(sheet))
        return StartupFailure{"Fatal Error", "The File tsn32.bmp was not found."};
    out.spriteSheetInvalid =
        FileDigest(sheet).compare(ExpectedSheetDigest(), Qt::CaseInsensitive) != 0;

    for (const RequiredFile& f : RequiredDataFiles())
        if (!QFileInfo::exists(FindDataFile(dataFolder, f.relative)))
            return StartupFailure{"Fatal Error", "The File " + f.shown + " was not found."};
    return std::nullopt;
}

QString TemporaryFolder(const QString& systemTemp, QString* failed) {
    if (!systemTemp.isEmpty() && QFileInfo(systemTemp).isDir()) return systemTemp;
    const QString own = QDir(QString::fromStdString(UserDataFolder())).filePath(kTempFolder);
    if (QDir().mkpath(own)) return own;
    if (failed != nullptr) *failed = own;
    return {};
}

QString MyTempFileName(qint64 pid) {
    return QString::fromStdString(TempLevelFileName(static_cast<uint32_t>(pid)));
}

bool IsRunningCopy(qint64 pid) {
    if (pid <= 0) return false;
    const QFileInfo exe(QStringLiteral("/proc/%1/exe").arg(pid));
    if (!exe.exists()) return false;
    const QString target = exe.symLinkTarget();
    const QString mine = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return QFileInfo(target).fileName() == mine;
}

void CleanStaleTempFiles(const QString& folder, const QString& ownName) {
    (void)RemoveStaleTempFiles(folder.toStdString(), ownName.toStdString(),
                               [](uint32_t id) { return IsRunningCopy(id); });
}

}  // namespace tsn
