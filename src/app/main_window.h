#pragma once
// The program's one top-level window: menus, play buttons, the level list, the panel of
// displays, the view pane and the status line. It runs the start-up and shutdown sequences
// and is the host of the game runs.
#include <QIcon>
#include <QMainWindow>
#include <QMessageBox>
#include <QString>
#include <QTimer>
#include <array>
#include <memory>
#include <vector>

#include "app/control_states.h"
#include "app/file_dialog.h"
#include "app/key_table.h"
#include "app/options_rules.h"
#include "app/panel_display.h"
#include "app/session_host.h"
#include "app/settings.h"
#include "app/startup_checks.h"
#include "app/window_state.h"
#include "files/player_record.h"
#include "presentation/sound_system.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QDockWidget;
class QFrame;

namespace tsn {

class ClearTempDialog;
class DirectoryBatch;
class EditorController;
class NewLevelDialog;
class DirPanel;
class GameSession;
class LevelInfoPopup;
class OptionsDialog;
struct SaveOptions;
class ViewController;
class ViewPane;
class ViewPort;

class MainWindow : public QMainWindow, public SessionHost, public PanelDisplay {
    Q_OBJECT
public:
    MainWindow(const StartupData& startup, QSettings* store, QWidget* parent = nullptr);
    ~MainWindow() override;

    // The start-up sequence after the data checks: settings, sound, the level set, the
    // player's identity. Returns false when the program must end.
    // `startFile`: the level file given on the command line (empty: the last one).
    bool Load(const QString& startFile = QString());
    // The shutdown sequence.
    void Unload();
    // A fatal error: the message box, then the shutdown sequence; the program then ends with
    // status 1 (at once when the event loop runs, else when Load returns false).
    void Fatal(const QString& text);
    bool FatalShown() const { return fatal_; }

    WindowState& State() { return s_; }
    GameSession& Session() { return *session_; }
    ViewController& View() { return *view_; }
    KeyboardState& Keys() { return keys_; }
    SoundSystem& Sound() { return sound_; }
    Settings& Config() { return settings_; }
    QComboBox* LevelList() { return cmbLevel_; }

    // Makes `path` the current level file; false (the previous file kept) when it cannot be
    // read.
    bool InitNewLevelFile(const QString& path);
    // Fills the level list from `path` (after matching its player file) and loads the chosen
    // level (kSelectFirstToPlay: the player's first level to play): false when the file cannot
    // be read.
    static constexpr int kSelectFirstToPlay = -1;
    bool FillLevelList(const QString& path, int select);
    // Chooses a level of the list; the progress mode may send the choice back to the first
    // level to play.
    void SelectLevel(int index);
    void SaveAllSettings();
    QString Caption() const;

    // ---- Level files (main_window_files.cpp) ----
    // Makes a chosen level file current when it is a readable level file, as the open command
    // does; with `start` its demo (or, without one, the level) then starts. False when refused.
    bool OpenLevelFile(const QString& path, bool start = false);
    // A file handed over by a second start of the program: opened unless a run is under way.
    void OpenHandedFile(const QString& path);
    void OpenCommand();
    // Both return whether the level was saved.
    bool SaveCommand();
    // Save as, and (clean) save without the demo.
    bool SaveAsCommand(bool clean);
    void NewLevelSetCommand();
    void ClearTempCommand();
    void ShowLevelInfoCommand();
    void ToggleDirPanel();
    // Shows or hides the directory panel: shown in free play while ShowDirPanel is on.
    void UpdateDirPanel();
    DirPanel* DirectoryPanel() const { return dirPanel_; }
    LevelInfoPopup* InfoPopup() const { return infoPopup_.get(); }
    // File -> "Play Dir": the demo folder check and its results window.
    DirectoryBatch& Batch() { return *batch_; }
    // The file dialogs; tests answer them with a function of their own.
    FileDialogRunner fileDialog;
    // Runs each Clear Temp Folder dialog (default: modal until its "Ok").
    std::function<void(ClearTempDialog&)> clearTempRunner;

    // ---- The level editor (main_window_editor.cpp, editor_controller.h) ----
    EditorController& Editor() { return *editor_; }
    // File -> "New S&tandard Level" (60 x 24) and "&New Level" (the size dialog first).
    void NewLevelCommand(bool standard);
    // Runs the size dialog of a new level (default: modal): true when confirmed.
    std::function<bool(NewLevelDialog&)> newLevelRunner;

    // ---- Options, about window, splash (main_window_options.cpp) ----
    // Options -> "Show &Options": OK applies the changes at once and stores them.
    void OptionsCommand();
    // Runs the options dialog and returns its result (default: modal).
    std::function<int(OptionsDialog&)> optionsRunner;

    // The player's progress in the current level file and where it is kept (empty when the
    // file has none).
    const PlayerRecord& Progress() const { return player_; }
    const std::string& PlayerFileName() const { return playerFile_; }
    QMenu* SkipMenu() { return skipMenu_; }
    // A right-click on list entry `clicked` (-1: none) at the screen position `where`.
    void LevelListRightClick(int clicked, const QPoint& where);

    // Turns controls off while a secondary window is up (0: commands off, viewing and speed
    // on; 99: everything off); the next UpdateAllControls turns them on again.
    void DisableControls(uint8_t mode);
    // Enables and disables the controls for what the program is doing now (no label
    // changes).
    void ApplyControlStates();

    // SessionHost
    void UpdateAllControls() override;
    void UpdateMainCaption() override;
    void SetStatus(const QString& text) override;
    void StartStatusTimer() override;
    void SetProgress(int step) override;
    void ShowFrameCount(int64_t frames) override;
    void ShowTimeLeft(const QString& text) override;
    void ShowGameTime(const QString& text) override;
    void ShowFps(double fps) override;
    void ShowKey(int action) override;
    bool AskMemoryStep() override;
    bool AskExit() override;
    void Beep() override;
    void TogglePanel() override;
    void SaveSnapshot() override;
    bool ReadCurrentLevel() override;
    bool ReportLevelRead(const FileStatus& read) override;
    void ReopenLevelFile() override;
    void WriteLastRunFile() override;
    void RecordRunResult(bool solved) override;
    void ShowError(const QString& title, const QString& text) override;
    void ShowMessage(MessageIcon icon, const QString& title, const QString& text) override;

    // PanelDisplay
    void ShowInfotronsNeeded(int value) override;
    void ShowSteps(int value) override;
    void ShowRedDiskCount(int value) override;
    void ClearRedDiskCount() override;

protected:
    friend class EditorController;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void BuildControls();
    void BuildMenus();
    void BuildViewMenu(QMenu* view);
    void BuildSpeedMenu(QMenu* speed);
    void ApplySettings();
    void CollectSettings();
    void AskPlayerIdentity();
    void ShowLevel();
    void AboutCommand();
    void ApplyOptionSettings();
    // The input boxes for the player's name and e-mail; they stop once the program is closing.
    AskText IdentityAsker();
    void ShowSplash();
    void DisableSoundCommand();
    void ShowStatistics();
    ControlInput CurrentControlInput() const;
    void ApplyControls(const ControlStates& c);
    // main_window_files.cpp
    void BuildFileMenu(QMenu* file);
    void AddNewLevelItems(QMenu* file);
    void BuildEditMenu();
    void BuildFileControls();
    void AddDirPanelItem(QMenu* view);
    void AddLevelInfoItem(QMenu* view);
    // main_window_saves.cpp
    void AddLoadSavegameItem(QMenu* file);
    SaveOptions MakeSaveOptions(bool ask);
    bool SaveTo(const QString& path, bool asContainer, bool clean);
    bool AskYesNo(const QString& title, const QString& text);
    void ShowLevelInfoPopup(bool quickSaveLine);
    // The file given on the command line passes the open command's check; else it is reported.
    bool StartFileAccepted(const QString& path);
    // The open command's refusal box during a run; false when a file may be opened.
    bool RefuseOpenDuringRun();

    // A message box, then the shutdown sequence; the program ends with status 1.
    void EndProgram(const QString& title, const QString& text, QMessageBox::Icon icon);

    // The player's progress (main_window_progress.cpp).
    uint8_t GameModeValue() const;
    void MatchPlayerFile(const QString& levelFile);
    bool SaveProgress(const QString& failure);
    std::vector<uint8_t> ListedStates() const;
    std::vector<uint8_t> ProgressStates() const;
    void ShowListedState(int position);
    int ChosenLevel(int index) const;
    void ShowProgressStatistics();
    void BuildSkipMenu();
    bool LevelListMouse(QObject* watched, QEvent* event);
    void SkipLevelCommand();
    void SetSelectedLevelState(uint8_t state);
    void BuildGameModeMenu();
    void ShowGameMode();
    void GameModeCommand();
    // False after the sprite sheet's fatal error.
    bool CheckSpriteSheet();
    void ErrorBox(const QString& title, const QString& text);
    void FileErrorBox(const std::string& text);

    WindowState s_;
    KeyboardState keys_;
    SoundSystem sound_;
    Settings settings_;
    StartupData data_;
    QSettings* store_;
    std::unique_ptr<ViewController> view_;
    std::unique_ptr<GameSession> session_;
    QString playerName_;
    QString playerEmail_;
    bool loaded_ = false;
    bool unloaded_ = false;
    bool fatal_ = false;
    std::array<QIcon, 3> levelIcons_;  // not played, played, skipped
    PlayerRecord player_;
    std::string playerFile_;
    int skipTarget_ = -1;

    // Controls
    QPushButton* cmdPlay_ = nullptr;
    QPushButton* cmdPause_ = nullptr;
    QPushButton* cmdStop_ = nullptr;
    QPushButton* cmdPlayDemo_ = nullptr;
    QComboBox* cmbLevel_ = nullptr;
    QFrame* panel_ = nullptr;
    QLabel* lblInfoCount_ = nullptr;
    QLabel* lblRedDiskCount_ = nullptr;
    QLabel* lblSteps_ = nullptr;
    QLabel* lblFrameCount_ = nullptr;
    QLabel* lblLevelTime_ = nullptr;
    QLabel* lblFps_ = nullptr;
    QLabel* lblTimeLeft_ = nullptr;
    QLabel* lblTotalSteps_ = nullptr;
    QLabel* lblTotalLevelTime_ = nullptr;
    QLabel* lblBestSteps_ = nullptr;
    QLabel* lblTotalTries_ = nullptr;
    QLabel* lblAllLevelsTime_ = nullptr;
    QLabel* lblStatus_ = nullptr;
    std::array<QLabel*, 5> keyLights_{};
    std::array<int, 5> keyLit_{};
    QProgressBar* progress_ = nullptr;
    ViewPort* viewPort_ = nullptr;
    ViewPane* viewPane_ = nullptr;
    QTimer statusTimer_;

    // Menus
    QMenu* menFile_ = nullptr;
    QMenu* menGameMode_ = nullptr;
    QAction* menFreePlay_ = nullptr;
    QAction* menQuorvane_ = nullptr;
    QMenu* skipMenu_ = nullptr;
    QMenu* menView_ = nullptr;
    QMenu* menZoom_ = nullptr;
    QMenu* menSpeed_ = nullptr;
    QMenu* menSpeedPlay_ = nullptr;
    QMenu* menSpeedDemo_ = nullptr;
    QMenu* menOptions_ = nullptr;
    QMenu* menHelp_ = nullptr;
    std::array<QAction*, 25> menStretch_{};
    std::array<QAction*, 18> menPlaySpeed_{};
    std::array<QAction*, 18> menDemoSpeed_{};
    QAction* menBorder_ = nullptr;
    QAction* menPanel_ = nullptr;
    QAction* menAutoScroll_ = nullptr;
    QAction* menFaster_ = nullptr;
    QAction* menSlower_ = nullptr;
    QAction* mnuDisableSound_ = nullptr;
    QAction* mnuShowDirPanel_ = nullptr;
    QAction* menShowLInfo_ = nullptr;
    QAction* mnuLoadSavegame_ = nullptr;
    DirPanel* dirPanel_ = nullptr;
    QDockWidget* dirDock_ = nullptr;
    std::unique_ptr<LevelInfoPopup> infoPopup_;
    std::unique_ptr<DirectoryBatch> batch_;
    QMenu* menEditMain_ = nullptr;
    std::unique_ptr<EditorController> editor_;
};

}  // namespace tsn
