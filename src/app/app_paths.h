#pragma once
// Where the program finds its data and keeps the user's files.
#include <QString>

namespace tsn {

// The read-only data folder: "data" beside the executable, the executable's own folder when it
// holds the sprite sheet, else the installed share folder.
QString DataFolder();
// The user's writable folder: $TESSARIN_HOME when set, else the per-user data folder.
QString UserFolder();
// A sub-folder of the user's folder (Capture, Temp, ...), created when missing.
QString UserSubFolder(const QString& name);
// A file below a folder, matched without regard to letter case ("a/b" paths allowed).
QString FindDataFile(const QString& folder, const QString& relative);

}  // namespace tsn
