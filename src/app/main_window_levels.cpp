// The current level file: the level list, choosing a level, reading it for a run, and the
// file of the last finished run.
#include <QComboBox>
#include <QDateTime>
#include <QDir>
#include <QIcon>
#include <QMessageBox>
#include <new>

#include "app/app_paths.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/view_controller.h"
#include "engine/level_start.h"
#include "files/last_run.h"
#include "files/level_list.h"
#include "files/player_progress.h"
#include "files/read_level.h"
#include "files/temp_files.h"

namespace tsn {

bool MainWindow::InitNewLevelFile(const QString& path) {
    const std::string previous = s_.CurrentLevelFile;
    s_.CurrentLevelFile = path.toStdString();
    s_.LastRunFile.clear();
    s_.DemoBufferLive = false;  // a run recorded on another file's level is not saved with this
    bool read = false;
    try {
        read = FillLevelList(path, kSelectFirstToPlay);
    } catch (const std::bad_alloc&) {
        ShowError("Error", "There is not enough memory to open " + path + ".");
    }
    if (!read && !fatal_) {
        // The file that could not be read does not become the current one.
        s_.CurrentLevelFile = previous;
        FillLevelList(QString::fromStdString(previous), 0);
    }
    // Only a file that was read is remembered for the next start.
    if (read) SaveAllSettings();
    UpdateMainCaption();
    UpdateAllControls();
    return read;
}

bool MainWindow::FillLevelList(const QString& path, int select) {
    cmbLevel_->clear();
    MatchPlayerFile(path);
    if (fatal_) return false;
    int notListed = 0;
    auto entries = LevelListEntries(path.toStdString(), ProgressStates(), &notListed);
    if (!entries) {
        if (!QFileInfo::exists(path)) {
            Fatal(QString::fromStdString(entries.error().description));
            return false;
        }
        FileErrorBox(entries.error().Text());
        return false;
    }
    if (levelIcons_[0].isNull()) {
        levelIcons_ = {QIcon(FindDataFile(data_.dataFolder, "Images/NotPlayed32.ico")),
                       QIcon(FindDataFile(data_.dataFolder, "Images/Played32.ico")),
                       QIcon(FindDataFile(data_.dataFolder, "Images/Skipped32.ico"))};
    }
    for (const LevelListEntry& e : *entries)
        cmbLevel_->addItem(levelIcons_[e.progress <= 2 ? static_cast<size_t>(e.progress) : 0],
                           QString::fromLatin1(e.text.c_str(), static_cast<int>(e.text.size())),
                           e.progress);
    if (cmbLevel_->count() == 0) return false;
    if (notListed > 0)
        SetStatus(QStringLiteral("Only the first %1 levels of this file can be played; %2 more "
                                 "are not listed")
                      .arg(kMaxListedLevels)
                      .arg(notListed));
    const int index = select == kSelectFirstToPlay
                          ? FirstLevelToPlay(player_, cmbLevel_->count())
                          : LevelListSelection(select, cmbLevel_->count());
    cmbLevel_->setCurrentIndex(index);
    SelectLevel(index);
    return s_.LevelLoaded && !fatal_;
}

void MainWindow::SelectLevel(int index) {
    if (index < 0 || index >= cmbLevel_->count()) return;
    index = ChosenLevel(index);
    cmbLevel_->setCurrentIndex(index);
    const uint8_t before = s_.LoadedLevelNumber;
    ChooseListedLevel(s_, s_, index, cmbLevel_->count());
    // A run recorded on another level is not saved with this one.
    if (s_.CurrentLevelNumber != before) s_.DemoBufferLive = false;
    ShowLevel();
}

void MainWindow::ShowLevel() {
    // The first display of a level is where a damaged sprite sheet ends the program.
    if (!CheckSpriteSheet()) return;
    ReadCurrentLevel();
    s_.GameRunning = 0;
    view_->Renderer().SetDisplayRegion();
    view_->ReStretch(view_->ctx.Stretch);
    if (s_.LevelLoaded) {
        // Level start shows the picked level in its start state, the view placed on Murphy.
        StartLevelFromField(s_);
        view_->RedrawAll();
    }
    UpdateAllControls();
}

bool MainWindow::ReadCurrentLevel() {
    return ReportLevelRead(ReadLevel(s_, s_, "", s_.ForceFullRedraw));
}

bool MainWindow::ReportLevelRead(const FileStatus& st) {
    if (!st) FileErrorBox(st.error().Text());
    if (!s_.LevelLoaded) ShowError("Error", "Failed loading level. sub subFetchAndInitLevel");
    return s_.LevelLoaded;
}

void MainWindow::ReopenLevelFile() {
    // Read the level and its demo afresh from the file it comes from (the last run's file
    // when there is one), keeping the chosen level.
    ReadCurrentLevel();
}

void MainWindow::WriteLastRunFile() {
    LastRunNameParts parts;
    parts.title = s_.Info.title();
    parts.levelNumber = s_.CurrentLevelNumber;
    parts.levelFileName = QFileInfo(QString::fromStdString(s_.CurrentLevelFile)).fileName().toStdString();
    parts.dateTime = QDateTime::currentDateTime().toString("HHmmssddMMyyyy").toStdString();
    parts.steps = s_.StepCount;
    parts.solved = s_.LevelSolved == 1;
    auto path = NewLastRunFile(parts);
    if (!path) {
        FileErrorBox(path.error().Text());
        return;
    }
    const FileStatus st = WriteLastRun(s_, s_, *path, MakeSaveOptions(false));
    if (!st) FileErrorBox(st.error().Text());
}

}  // namespace tsn
