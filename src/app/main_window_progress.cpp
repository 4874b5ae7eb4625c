// The player's progress in the main window: matching a level file with its player file,
// recording runs, the level list's icons and skip menu, the statistics labels and the game
// modes.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>

#include "app/app_paths.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "files/player_file.h"
#include "files/player_progress.h"
#include "files/sec_to_time.h"

namespace tsn {

namespace {

QString TimeText(int32_t milliseconds) {
    return QString::fromStdString(SecToTime(milliseconds / 1000).text);
}

}  // namespace

uint8_t MainWindow::GameModeValue() const {
    return session_->GameMode == kFreePlay ? kFreePlay : kProgressMode;
}

void MainWindow::MatchPlayerFile(const QString& levelFile) {
    player_ = PlayerRecord{};
    playerFile_.clear();
    auto m = DoPlayerThings(UserSubFolder("Player").toStdString(), levelFile.toStdString(),
                            settings_.DefaultPlayerName.toLatin1().toStdString(),
                            settings_.DefaultPlayerEmail.toLatin1().toStdString());
    if (!m) {
        // A level file that cannot be read is reported by the level list.
        if (m.error().procedure == "DigestFileToHexStr") return;
        EndProgram("Error", "ERROR saving player file. DoPlayerThings\n" +
                                QString::fromStdString(m.error().Text()),
                   QMessageBox::Critical);
        return;
    }
    player_ = std::move(m->record);
    playerFile_ = m->path;
    if (m->trouble == PlayerFileMatch::Trouble::None) return;
    const QString aside = QString::fromStdString(m->setAsidePath);
    const QString text =
        m->trouble == PlayerFileMatch::Trouble::Corrupt
            ? "The player file is corrupt!\nIt was set aside as " + aside +
                  " and a new record is started."
            : "Player file doesn't match with this level file.\nIt was kept aside as " + aside +
                  " and a new record is started.";
    ShowError("Error", text);
}

bool MainWindow::SaveProgress(const QString& failure) {
    if (playerFile_.empty()) return false;
    const FileStatus st = SavePlayerFile(playerFile_, player_);
    if (st) return true;
    // The file on disk keeps its previous contents.
    EndProgram("Error", failure + "\n" + QString::fromStdString(st.error().Text()),
               QMessageBox::NoIcon);
    return false;
}

std::vector<uint8_t> MainWindow::ListedStates() const {
    std::vector<uint8_t> states(static_cast<size_t>(cmbLevel_->count()));
    for (int i = 0; i < cmbLevel_->count(); ++i)
        states[static_cast<size_t>(i)] = ListedState(player_, i);
    return states;
}

std::vector<uint8_t> MainWindow::ProgressStates() const {
    std::vector<uint8_t> states(player_.progress.size());
    for (size_t i = 0; i < states.size(); ++i) states[i] = player_.progress[i].state;
    return states;
}

void MainWindow::ShowListedState(int position) {
    if (position < 0 || position >= cmbLevel_->count()) return;
    const uint8_t state = ListedState(player_, position);
    cmbLevel_->setItemData(position, state);
    cmbLevel_->setItemIcon(position, levelIcons_[state <= kSkipped ? state : 0]);
}

int MainWindow::ChosenLevel(int index) const {
    return ProgressChoice(player_, GameModeValue(), index, cmbLevel_->count());
}

void MainWindow::RecordRunResult(bool solved) {
    const uint8_t mode = GameModeValue();
    const int e = cmbLevel_->currentIndex();
    if (playerFile_.empty()) return;
    const int32_t ms = s_.LastRunMilliseconds;
    if (!solved) {
        if (!RecordUnsolvedRun(player_, mode, e, ms, s_.StepCount)) return;
        if (SaveProgress("ERROR Saving player file")) UpdateAllControls();
        return;
    }
    if (!RecordSolvedRun(player_, mode, e, ms, s_.StepCount)) return;
    ShowListedState(e);
    if (!SaveProgress("ERROR Saving player file - (SetLevelDoneIndex -1)")) return;
    const int count = cmbLevel_->count();
    if (const auto next = NextLevelToPlay(player_, e, count)) {
        if (count > 1) {
            cmbLevel_->setCurrentIndex(*next);
            SelectLevel(*next);
        }
    } else if (MarkAllLevelsCompleted(player_, count)) {
        if (!SaveProgress("ERROR Saving player file - (SetLevelDoneIndex -2)")) return;
        ShowMessage(MessageIcon::Information, kAllCompletedTitle, kAllCompletedText);
    }
    UpdateAllControls();
}

void MainWindow::ShowProgressStatistics() {
    const int e = cmbLevel_->currentIndex();
    const LevelProgressEntry entry =
        HasProgressEntry(e) ? player_.progress[static_cast<size_t>(e)] : LevelProgressEntry{};
    lblTotalSteps_->setText(QString::number(entry.steps));
    lblTotalLevelTime_->setText(TimeText(entry.playTime));
    lblBestSteps_->setText(QString::number(entry.bestSteps));
    lblTotalTries_->setText(QString::number(entry.runs));
    lblAllLevelsTime_->setText(TimeText(player_.TotalPlayTime()));
}

// ---------------------------------------------------------------- the skip menu

void MainWindow::BuildSkipMenu() {
    skipMenu_ = new QMenu("Skip", this);
    skipMenu_->setObjectName("mnuSkip");
    skipMenu_->addAction("Skip Level", this, [this] { SkipLevelCommand(); });
    skipMenu_->addAction("Reset Level", this, [this] { SetSelectedLevelState(kNotPlayed); });
    skipMenu_->addAction("Played Level", this, [this] { SetSelectedLevelState(kSolved); });
    // The right button reaches LevelListMouse through the window's application-wide filter.
}

bool MainWindow::LevelListMouse(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonPress || !cmbLevel_->isEnabled()) return false;
    const bool onList = watched == cmbLevel_->view()->viewport();
    if (watched != cmbLevel_ && !onList) return false;
    auto* e = static_cast<QMouseEvent*>(event);
    if (e->button() != Qt::RightButton) return false;
    // In the open list the entry under the pointer, on the closed box the one it shows.
    const int clicked = onList ? cmbLevel_->view()->indexAt(e->position().toPoint()).row()
                               : cmbLevel_->currentIndex();
    LevelListRightClick(clicked, e->globalPosition().toPoint());
    return true;
}

void MainWindow::LevelListRightClick(int clicked, const QPoint& where) {
    switch (RightClickOnList(ListedStates(), clicked, cmbLevel_->currentIndex(), GameModeValue(),
                             true)) {
        case RightClickAction::Nothing: break;
        case RightClickAction::ColorBlind: SetStatus(kColorBlindText); break;
        case RightClickAction::SkipNotPossible: SetStatus(kSkipNotPossibleText); break;
        case RightClickAction::OpenSkipMenu:
            skipTarget_ = clicked;
            cmbLevel_->hidePopup();
            skipMenu_->popup(where);
            break;
    }
}

void MainWindow::SkipLevelCommand() {
    if (GameModeValue() == kFreePlay || !SetLevelState(player_, skipTarget_, kSkipped)) return;
    ShowListedState(skipTarget_);
    const int next = cmbLevel_->currentIndex() + 1;
    if (next < cmbLevel_->count()) {
        cmbLevel_->setCurrentIndex(next);
        SelectLevel(next);
    }
    SaveProgress("ERROR Saving player file");
    UpdateAllControls();
}

void MainWindow::SetSelectedLevelState(uint8_t state) {
    const int e = cmbLevel_->currentIndex();
    if (!SetLevelState(player_, e, static_cast<ProgressState>(state))) return;
    ShowListedState(e);
    SaveProgress("ERROR Saving player file");
    UpdateAllControls();
}

// ---------------------------------------------------------------- game modes

void MainWindow::BuildGameModeMenu() {
    menGameMode_ = menuBar()->addMenu("&Game Mode");
    menFreePlay_ = menGameMode_->addAction("Free Play");
    menQuorvane_ = menGameMode_->addAction("Quorvane");
    for (QAction* a : {menFreePlay_, menQuorvane_}) {
        a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this] { GameModeCommand(); });
    }
}

void MainWindow::ShowGameMode() {
    menFreePlay_->setChecked(GameModeValue() == kFreePlay);
    menQuorvane_->setChecked(GameModeValue() == kProgressMode);
}

void MainWindow::GameModeCommand() {
    // Either item switches to the other mode.
    session_->GameMode = GameModeValue() == kFreePlay ? kProgressMode : kFreePlay;
    settings_.GameMode = static_cast<uint8_t>(session_->GameMode);
    ShowGameMode();
    if (GameModeValue() == kProgressMode && cmbLevel_->count() > 0) {
        const int first = FirstLevelToPlay(player_, cmbLevel_->count());
        cmbLevel_->setCurrentIndex(first);
        SelectLevel(first);
    }
    // The directory panel is offered in free play only.
    UpdateDirPanel();
    SaveAllSettings();
    UpdateAllControls();
}

}  // namespace tsn
