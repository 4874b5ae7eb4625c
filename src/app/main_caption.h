#pragma once
// The main window's caption: "Tessarin v." + version + " - " + the level file's name, "*"
// while the edited level has unsaved changes, and during a run the speed it runs at.
#include <QString>
#include <cstdint>

namespace tsn {

struct CaptionParts {
    enum class Run { None, Play, Demo };
    QString version;   // major.minor.revision
    QString filePath;  // the current level file; only its name is shown
    bool levelChanged = false;
    Run run = Run::None;
    int32_t playDelay = 0;  // microseconds per frame of the run kinds
    int32_t demoDelay = 0;
};

QString MainCaption(const CaptionParts& parts);
// While the demo folder check plays: "Tessarin v." + version + " - (" + the check's line + ")".
QString BatchCaption(const QString& version, const QString& line);

}  // namespace tsn
