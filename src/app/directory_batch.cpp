#include "app/directory_batch.h"

#include <QDirIterator>
#include <QFile>
#include <QFileDialog>
#include <QComboBox>
#include <algorithm>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/results_window.h"
#include "app/speed_table.h"
#include "app/window_state.h"
#include "files/load_demo_file.h"
#include "files/paths.h"
#include "run/demo_verification.h"

namespace tsn {

namespace {
constexpr int kFastestSpeedIndex = 2;
constexpr int kNoDisplaySpeedIndex = 1;

QStringList FilesBelow(const QString& folder, const QString& pattern) {
    QStringList found;
    QDirIterator it(folder, {pattern}, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) found << it.next();
    std::sort(found.begin(), found.end());
    return found;
}
}  // namespace

QStringList CollectDemoFiles(const QString& folder, const std::function<void(const QString&)>& status) {
    status("Please wait...Step 1");
    QStringList files = FilesBelow(folder, "*.qv");
    status("Please wait...Step 2");
    files += FilesBelow(folder, "*.tsn");
    return files;
}

DirectoryBatch::DirectoryBatch(MainWindow& window) : w_(window) {
    chooseFolder = [this](const QString& start) {
        return QFileDialog::getExistingDirectory(&w_, "Please select a folder:", start);
    };
    connect(&w_.Session(), &GameSession::runEnded, this, [this] { RunEnded(); });
}

DirectoryBatch::~DirectoryBatch() = default;

void DirectoryBatch::PlayDirCommand() {
    if (running_ || w_.Session().CurrentPhase() != GameSession::Phase::Idle) return;
    const QString folder = chooseFolder(w_.Config().PlayAllInitFolder);
    if (folder.isEmpty()) return;
    w_.Config().PlayAllInitFolder = folder;
    Start(folder);
}

void DirectoryBatch::Start(const QString& folder) {
    if (running_ || w_.Session().CurrentPhase() != GameSession::Phase::Idle) return;
    WindowState& s = w_.State();
    files_ = CollectDemoFiles(folder, [this](const QString& text) { w_.SetStatus(text); });
    if (const auto logs = UserSubFolder(kLogsFolder)) {
        QFile::remove(QDir(QString::fromStdString(*logs)).filePath("Error2.Log"));
    }

    keptLevelFile_ = s.CurrentLevelFile;
    keptLevelIndex_ = w_.LevelList()->currentIndex();
    keptDemoSpeed_ = w_.Session().DemoSpeedSetting;
    keptNoDisplay_ = s.NoDisplay;
    s.PlayingDirectory = 1;
    running_ = true;
    w_.UpdateDirPanel();
    // The menus rest until the check ends; without display UpdateAllControls leaves the
    // controls alone.
    w_.ApplyControlStates();
    w_.UpdateAllControls();

    if (results_ == nullptr) {
        results_ = new ResultsWindow(&w_);
        connect(results_, &ResultsWindow::defaultSpeedClicked, this, [this] { DefaultSpeed(); });
        connect(results_, &ResultsWindow::fastestSpeedClicked, this, [this] { FastestSpeed(); });
        connect(results_, &ResultsWindow::noDisplayClicked, this, [this] { NoDisplay(); });
        connect(results_, &ResultsWindow::skipClicked, this, [this] { Skip(); });
        connect(results_, &ResultsWindow::stopAllClicked, this, [this] { StopAll(); });
        connect(results_, &ResultsWindow::speedKey, this, [this](bool faster) {
            if (faster)
                w_.Session().Faster();
            else
                w_.Session().Slower();
        });
    }
    results_->Begin();
    results_->show();
    results_->raise();
    next_ = 0;
    PlayNext();
}

// Files that cannot be played get their row at once; the first demo found starts its run and
// the end of that run comes back to RunEnded.
void DirectoryBatch::PlayNext() {
    WindowState& s = w_.State();
    const int count = static_cast<int>(files_.size());
    while (next_ < count) {
        const int number = ++next_;
        const QString path = files_[number - 1];
        const std::string file = path.toStdString();
        results_->AddRow(number, path);
        if (!LoadDemoFile(s, file)) {
            results_->FillLastRow(FileErrorRow(number, file));
            continue;
        }
        s.DemoFolderFile = file;
        if (!w_.InitNewLevelFile(path)) {
            s.DemoFolderFile.clear();
            results_->FillLastRow(FileErrorRow(number, file));
            continue;
        }
        if (!s.LevelHasDemo) {
            s.DemoFolderFile.clear();
            results_->FillLastRow(NoDemoRow(number, file));
            continue;
        }
        caption_ = QStringLiteral("Playing demo %1 of %2").arg(number).arg(count);
        results_->setWindowTitle(caption_ + " :: PgUp/PgDn Change demo speed");
        w_.UpdateMainCaption();
        playing_ = true;
        w_.Session().PlayDemoCommand();
        if (w_.Session().CurrentPhase() != GameSession::Phase::Idle) return;
        // The run could not start (its box has said why).
        playing_ = false;
        s.DemoFolderFile.clear();
        VerificationRow row = FileErrorRow(number, file);
        row.error = kOutOfMemoryWord;
        results_->FillLastRow(row);
    }
    Finish();
}

void DirectoryBatch::RunEnded() {
    if (!playing_) return;
    playing_ = false;
    WindowState& s = w_.State();
    results_->FillLastRow(PlayedRow(s, s.LastRunFrames / kFixedOne, next_,
                                    files_[next_ - 1].toStdString(), skipRequested_));
    s.DemoFolderFile.clear();
    // A skip belongs to the demo it was asked for, whatever its row says.
    skipRequested_ = false;
    s.LastRunFrames = 0;
    if (stopAllRequested_ || w_.Session().QuitRequested)
        Finish();
    else
        PlayNext();
}

void DirectoryBatch::Finish() {
    WindowState& s = w_.State();
    GameSession& g = w_.Session();
    running_ = false;
    playing_ = false;
    caption_.clear();
    results_->End();
    s.PlayingDirectory = 0;
    s.DemoFolderFile.clear();
    skipRequested_ = false;
    stopAllRequested_ = false;
    s.LastRunFrames = 0;
    g.DemoSpeedSetting = keptDemoSpeed_;
    g.InGameDemoSpeed(GetSpeedIndex(keptDemoSpeed_));
    s.NoDisplay = keptNoDisplay_;
    if (!keptLevelFile_.empty() && w_.InitNewLevelFile(QString::fromStdString(keptLevelFile_)) &&
        keptLevelIndex_ > 0 && keptLevelIndex_ < w_.LevelList()->count()) {
        w_.LevelList()->setCurrentIndex(keptLevelIndex_);
        w_.SelectLevel(keptLevelIndex_);
    }
    w_.SaveAllSettings();
    w_.UpdateDirPanel();
    w_.UpdateAllControls();
    w_.UpdateMainCaption();
}

void DirectoryBatch::SetDemoSpeed(int index) {
    GameSession& g = w_.Session();
    g.InGameDemoSpeed(index);
    g.DemoSpeedSetting = g.DemoDelay;
    w_.UpdateMainCaption();
}

void DirectoryBatch::DefaultSpeed() { SetDemoSpeed(kDefaultSpeedIndex); }

void DirectoryBatch::FastestSpeed() { SetDemoSpeed(kFastestSpeedIndex); }

void DirectoryBatch::NoDisplay() {
    GameSession& g = w_.Session();
    g.DemoDelay = SpeedDelay(kNoDisplaySpeedIndex);
    g.DemoSpeedSetting = g.DemoDelay;
    g.UpdateDeltaT();
}

void DirectoryBatch::Skip() {
    if (!playing_) return;
    w_.State().MurphyKilled = 1;
    skipRequested_ = true;
}

void DirectoryBatch::StopAll() {
    if (!playing_) return;
    w_.State().MurphyKilled = 1;
    stopAllRequested_ = true;
    w_.Session().Stop();
}

}  // namespace tsn
