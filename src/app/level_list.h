#pragma once
// The entries of the main window's level list for a level file.
#include <QString>
#include <vector>

namespace tsn {

struct LevelListEntry {
    int number = 0;      // 1-based
    QString text;        // "001   " + the 23-character title
    int progress = 0;    // 0 not played, 1 solved, 2 skipped
};

// "#000" number, three blanks, the title.
QString LevelEntryText(int number, const std::string& title);

// The levels of a file: level sets list every level whose info block is whole, a single-level
// file its one level, a container every level it names. Any other name lists nothing.
std::vector<LevelListEntry> ReadLevelList(const QString& path);

// A unique file name for the level and demo of a finished run: the level's title and number,
// the level file's name, the time and date, the steps and T or F for solved, then ".tsn".
QString LastRunFileName(const std::string& title, int number, const QString& levelFile,
                        int steps, bool solved, const QString& stamp);

}  // namespace tsn
