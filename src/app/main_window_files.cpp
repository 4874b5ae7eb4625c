// The main window's file commands: open, save, save as, save as clean level, new level set,
// clear temp folder, the level information window and the directory panel.
#include <QApplication>
#include <QComboBox>
#include <QDateTime>
#include <QDockWidget>
#include <QFileInfo>
#include <QLayout>
#include <QLocale>
#include <QMenu>
#include <QMessageBox>
#include <QTimer>
#include <new>

#include "app/app_paths.h"
#include "app/clear_temp_dialog.h"
#include "app/dir_panel.h"
#include "app/directory_batch.h"
#include "app/editor_controller.h"
#include "app/game_session.h"
#include "app/level_info_popup.h"
#include "app/main_window.h"
#include "app/open_refusal.h"
#include "app/view_controller.h"
#include "files/create_level.h"
#include "files/demo_block.h"
#include "files/level_info_text.h"
#include "files/load_demo_file.h"
#include "files/paths.h"
#include "files/qv_file.h"
#include "files/save_command.h"
#include "files/tsn_file.h"

namespace tsn {

namespace {

inline constexpr const char* kNotSavedText = "Level not saved!";
inline constexpr const char* kNotSavedTitle = "ERROR SaveAs";

QString FromLatin1(const std::string& text) {
    return QString::fromLatin1(text.c_str(), static_cast<qsizetype>(text.size()));
}

}  // namespace

void MainWindow::BuildFileMenu(QMenu* file) {
    file->addAction("New Level Set", this, [this] { NewLevelSetCommand(); })
        ->setObjectName("mnuCreateNewCollection");
    file->addAction("&Open", this, [this] { OpenCommand(); })->setObjectName("menOpen");
    AddLoadSavegameItem(file);
    file->addSeparator();
    file->addAction("&Save", this, [this] { SaveCommand(); })->setObjectName("menSave");
    file->addAction("Save &As ...", this, [this] { SaveAsCommand(false); })
        ->setObjectName("menSaveAs");
    file->addAction("Save As Clean Level", this, [this] { SaveAsCommand(true); })
        ->setObjectName("memSaveAsClean");
    file->addSeparator();
    file->addAction("Play Dir", this, [this] {
            if (editor_->LeaveFirst()) batch_->PlayDirCommand();
        })->setObjectName("memPlayDir");
    file->addSeparator();
    file->addAction("Clear Temp Folder", this, [this] { ClearTempCommand(); })
        ->setObjectName("mnuClearTemp");
    file->addSeparator();
    file->addAction("E&xit", this, [this] { close(); })->setObjectName("menExit");
}

void MainWindow::AddDirPanelItem(QMenu* view) {
    mnuShowDirPanel_ = view->addAction("Show &Dir Panel", this, [this] { ToggleDirPanel(); });
    mnuShowDirPanel_->setObjectName("mnuShowDirPanel");
    mnuShowDirPanel_->setCheckable(true);
}

void MainWindow::AddLevelInfoItem(QMenu* view) {
    menShowLInfo_ = view->addAction("Show Level &Info", this, [this] { ShowLevelInfoCommand(); });
    menShowLInfo_->setObjectName("menShowLInfo");
}

void MainWindow::BuildFileControls() {
    if (!fileDialog)
        fileDialog = [this](const FileDialogRequest& r) {
            keys_.ReleaseAll();
            FileDialogAnswer a = RunFileDialog(this, r);
            keys_.ReleaseAll();
            return a;
        };
    if (!clearTempRunner) clearTempRunner = [](ClearTempDialog& d) { d.exec(); };
    infoPopup_ = std::make_unique<LevelInfoPopup>(this);

    dirPanel_ = new DirPanel;
    dirDock_ = new QDockWidget(this);
    dirDock_->setObjectName("DirPanelDock");
    dirDock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
    dirDock_->setTitleBarWidget(new QWidget(dirDock_));
    dirDock_->setWidget(dirPanel_);
    addDockWidget(Qt::LeftDockWidgetArea, dirDock_);
    dirDock_->hide();
    connect(dirPanel_, &DirPanel::fileChosen, this, [this](const QString& p) { OpenLevelFile(p); });
    connect(dirPanel_, &DirPanel::fileActivated, this,
            [this](const QString& p) { OpenLevelFile(p, true); });

    // A level chosen in the list shows what it is.
    connect(cmbLevel_, &QComboBox::activated, this, [this] {
        if (settings_.ShowInfo && settings_.SignatureDelay >= 1) ShowLevelInfoPopup(true);
    });
}

// ---------------------------------------------------------------- the directory panel

void MainWindow::UpdateDirPanel() {
    const bool shown = settings_.ShowDirPanel && session_->GameMode == 1 && s_.PlayingDirectory == 0;
    if (shown) {
        const QFileInfo current(QString::fromStdString(s_.CurrentLevelFile));
        dirPanel_->SetFolder(current.absolutePath());
    }
    dirDock_->setVisible(shown);
    mnuShowDirPanel_->setChecked(settings_.ShowDirPanel);
    // The view pane takes its new size and the level is drawn again.
    centralWidget()->layout()->activate();
    view_->Layout();
    view_->Present();
}

void MainWindow::ToggleDirPanel() {
    settings_.ShowDirPanel = !settings_.ShowDirPanel;
    UpdateDirPanel();
}

// ---------------------------------------------------------------- open

bool MainWindow::StartFileAccepted(const QString& path) {
    FileStatus st;
    try {
        st = LoadDemoFile(s_, path.toStdString());
    } catch (const std::bad_alloc&) {
        ShowError("Error", "There is not enough memory to open " + path + ".");
        return false;
    }
    if (!st) {
        // A file the check names is reported first; a name it does not take is refused quietly
        // by the check and reported here.
        if (!st.error().description.empty()) FileErrorBox(st.error().Text());
        ErrorBox("Error Open QV File", "There was an error loading the level file you have specified.");
        return false;
    }
    return true;
}

bool MainWindow::OpenLevelFile(const QString& path, bool start) {
    if (OpenRefusal(session_->CurrentPhase(), s_.DemoPlayback == 1) != nullptr) return false;
    if (!editor_->LeaveFirst()) return false;
    if (!StartFileAccepted(path)) return false;
    if (!InitNewLevelFile(path)) return false;
    if (dirDock_->isVisible()) dirPanel_->SetFolder(QFileInfo(path).absolutePath());
    if (settings_.ShowInfo && s_.LevelHasDemo && !s_.EditorActive) ShowLevelInfoPopup(true);
    if (start && s_.LevelLoaded) {
        if (s_.LevelHasDemo)
            session_->PlayDemoCommand();
        else
            session_->PlayCommand();
    }
    return true;
}

bool MainWindow::RefuseOpenDuringRun() {
    const char* refusal = OpenRefusal(session_->CurrentPhase(), s_.DemoPlayback == 1);
    if (refusal == nullptr) return false;
    ShowMessage(MessageIcon::Information, kOpenRefusedTitle, refusal);
    return true;
}

void MainWindow::OpenHandedFile(const QString& path) {
    // A dialog of this window is waiting for an answer: the file is opened after it.
    if (QApplication::activeModalWidget() != nullptr) {
        QTimer::singleShot(250, this, [this, path] { OpenHandedFile(path); });
        return;
    }
    if (!RefuseOpenDuringRun()) OpenLevelFile(path);
}

void MainWindow::OpenCommand() {
    if (RefuseOpenDuringRun()) return;
    FileDialogRequest r;
    r.title = "Open";
    r.filters = ParseDialogFilter(kOpenFilter);
    r.filterIndex = DialogFilterIndex(settings_.LastOpenFilter, r.filters.size());
    const QFileInfo current(QString::fromStdString(s_.CurrentLevelFile));
    if (current.exists()) r.folder = current.absolutePath();
    const FileDialogAnswer a = fileDialog(r);
    if (a.path.isEmpty()) return;
    if (OpenLevelFile(a.path)) settings_.LastOpenFilter = a.filterIndex;
}

// ---------------------------------------------------------------- save

bool MainWindow::AskYesNo(const QString& title, const QString& text) {
    keys_.ReleaseAll();
    return QMessageBox::warning(this, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

SaveOptions MainWindow::MakeSaveOptions(bool ask) {
    SaveOptions o;
    o.signature.mySignature = settings_.MySignature.toLatin1().toStdString();
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    o.signature.dateTime = (locale.toString(now.date(), QLocale::ShortFormat) + " " +
                            locale.toString(now.time(), QLocale::LongFormat))
                               .toLatin1()
                               .toStdString();
    o.signature.version = TESSARIN_VERSION;
    o.editorHandOver = s_.EditorActive;
    o.quickSaveUsed = s_.QuickSaveUsed != 0;
    if (ask) {
        o.saveWithoutDemo = [this] { return AskYesNo("Save", kQuestionSaveWithoutDemo); };
        o.saveWithMySignature = [this] { return AskYesNo("Save", kQuestionSaveWithSignature); };
    } else {
        o.saveWithoutDemo = [] { return false; };
        o.saveWithMySignature = [] { return false; };
    }
    return o;
}

bool MainWindow::SaveTo(const QString& path, bool asContainer, bool clean) {
    const bool existed = QFileInfo::exists(path);
    const SaveOptions options = MakeSaveOptions(true);
    const FileStatus st = asContainer ? SaveTSN(s_, path.toStdString(), false, clean, options)
                                      : SaveQV(s_, path.toStdString(), clean, options);
    if (!st) {
        // Nothing was replaced: the writer leaves a previous file whole.
        FileErrorBox(st.error().Text() + "\r\n\r\nThe level was not saved; " +
                     (existed ? "the file " + QFileInfo(path).fileName().toStdString() +
                                    " is unchanged."
                              : std::string("no file was made.")));
        return false;
    }
    // The saved file holds this level and its demo: it becomes the current level file, and the
    // list, the caption and the controls follow it.
    s_.ReloadFromLevelFile = true;
    InitNewLevelFile(path);
    editor_->LevelSaved();
    return true;
}

bool MainWindow::SaveCommand() {
    const std::string file = SaveCommandFile(s_, data_.tempLevelFile.toStdString(), s_.CurrentLevelFile);
    if (SaveActsAsSaveAs(file)) return SaveAsCommand(false);
    return SaveTo(QString::fromStdString(file), true, false);
}

bool MainWindow::SaveAsCommand(bool clean) {
    FileDialogRequest r;
    r.save = true;
    r.title = clean ? "Save As Clean Level" : "Save As";
    r.filters = ParseDialogFilter(SaveDialogFilter(s_.NonStandardLevel));
    r.filterIndex = DialogFilterIndex(settings_.LastSaveFilter, r.filters.size());
    r.folder = settings_.LastSaveDir;
    r.proposed = FromLatin1(ProposedSaveName(s_.CurrentLevelFile, s_.LevelFromSet, s_.CurrentLevelNumber));
    const FileDialogAnswer a = fileDialog(r);
    bool saved = false;
    if (!a.path.isEmpty()) {
        settings_.LastSaveFilter = a.filterIndex;
        settings_.LastSaveDir = QFileInfo(a.path).absolutePath();
        const DialogFilter& chosen = r.filters[static_cast<size_t>(DialogFilterIndex(a.filterIndex, r.filters.size()) - 1)];
        const QString path = QString::fromStdString(NameForChosenFilter(a.path.toStdString(), chosen));
        // The dialog asked about the name it was given; a name that got its extension here is
        // asked about now.
        if (path != a.path && QFileInfo::exists(path) &&
            !AskYesNo(r.title, QFileInfo(path).fileName() +
                                   " already exists.\nDo you want to replace it?")) {
            if (clean) ShowError(kNotSavedTitle, kNotSavedText);
            return false;
        }
        switch (ChooseSaveTarget(path.toStdString(), s_.NonStandardLevel)) {
            case SaveTarget::kQvRefused:
                ErrorBox(kQvRefusedTitle, kQvRefusedText);
                break;
            case SaveTarget::kQv: saved = SaveTo(path, false, clean); break;
            case SaveTarget::kTsn: saved = SaveTo(path, true, clean); break;
            case SaveTarget::kNothing: break;  // the chosen filter always gives a writable name
        }
    }
    if (!clean) return saved;
    if (saved)
        ShowMessage(MessageIcon::Information, "SaveAs", "A clean level was saved successfully.");
    else
        ShowError(kNotSavedTitle, kNotSavedText);
    return saved;
}

// ---------------------------------------------------------------- new level set

void MainWindow::NewLevelSetCommand() {
    if (!editor_->LeaveFirst()) return;
    for (;;) {
        FileDialogRequest r;
        r.save = true;
        r.title = "New Level Set";
        r.filters = ParseDialogFilter(kCollectionFilter);
        r.folder = settings_.LastSaveDir;
        const FileDialogAnswer a = fileDialog(r);
        if (a.path.isEmpty()) return;
        const CollectionName name = NormalizeCollectionName(a.path.toStdString());
        if (!name.accepted) {
            ShowMessage(MessageIcon::Information, "Wrong filename", QString::fromStdString(name.message));
            continue;
        }
        const FileStatus st = CreateLevel(s_, name.name, kStandardWidth, kStandardHeight, true);
        if (!st) {
            FileErrorBox(st.error().Text());
            return;
        }
        s_.ReloadFromLevelFile = true;
        InitNewLevelFile(QString::fromStdString(name.name));
        return;
    }
}

// ---------------------------------------------------------------- clear temp

void MainWindow::ClearTempCommand() {
    if (!AskYesNo("Clear Temp Folder", kClearTempQuestion)) return;
    const QString folder = UserSubFolder(QString(kTempFolder));
    ClearTempDialog dialog(folder, this);
    if (dialog.Clearing().Total() == 0) {
        ErrorBox(kTempFolderEmptyTitle, kTempFolderEmptyText);
        return;
    }
    clearTempRunner(dialog);
    // The last run's file may be gone: the level is then read from its own file again.
    if (!s_.LastRunFile.empty() && !QFileInfo::exists(QString::fromStdString(s_.LastRunFile)))
        s_.LastRunFile.clear();
}

// ---------------------------------------------------------------- level information

void MainWindow::ShowLevelInfoPopup(bool quickSaveLine) {
    infoPopup_->ShowFor(FromLatin1(LevelInfoText(s_, quickSaveLine)), std::max(1, settings_.SignatureDelay));
}

void MainWindow::ShowLevelInfoCommand() { ShowLevelInfoPopup(false); }

}  // namespace tsn
