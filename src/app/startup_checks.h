#pragma once
// The checks of the data folder at start-up and the temporary level file of this copy.
#include <QString>
#include <optional>

namespace tsn {

struct StartupFailure {
    QString title;  // "Fatal Error", or the title of the check's own message
    QString text;
    // A message shown before this one (empty when none).
    QString noticeTitle = {};
    QString noticeText = {};
};

struct StartupData {
    QString dataFolder;
    QString tempLevelFile;
    bool spriteSheetInvalid = false;
};

// The files that must be present, in checking order, with the name the message shows.
struct RequiredFile {
    QString relative;  // below the data folder
    QString shown;     // as the message names it
};
const std::vector<RequiredFile>& RequiredDataFiles();

// The expected digest of the sprite sheet: that of the sheet shipped with this build.
QString ExpectedSheetDigest();
// MD5 of a file as 32 hexadecimal digits; empty when it cannot be read.
QString FileDigest(const QString& path);

// Runs every check; the first failure is returned (the program then ends).
std::optional<StartupFailure> CheckDataFolder(const QString& dataFolder, StartupData& out);

// The temporary folder: the system's (`systemTemp`) when it exists, else "Temp" below the
// user's folder, created when missing. Empty when neither can be had; `failed` then names the
// folder that could not be created.
QString TemporaryFolder(const QString& systemTemp, QString* failed = nullptr);
// This copy's temporary level file, named after the process id.
QString MyTempFileName(qint64 pid);
// Deletes this copy's own file, then every "tmp0x*.tsn" whose process is not a running copy
// of this program.
void CleanStaleTempFiles(const QString& folder, const QString& ownName);
// True when the process is running this program (same executable name).
bool IsRunningCopy(qint64 pid);

}  // namespace tsn
