// The main window's side of the level editor: the Edit menu and the new-level commands.
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include "app/editor_controller.h"
#include "app/main_window.h"
#include "app/new_level_dialog.h"
#include "files/create_level.h"
#include "files/file_dialogs.h"

namespace tsn {

namespace {
inline constexpr const char* kNewLevelFilter = "Tessarin Level (*.tsn)|*.tsn";
inline constexpr const char* kNewStandardLevelFilter =
    "Tessarin Level (*.tsn)|*.tsn|Quorvane Level (*.qv)|*.qv";
}  // namespace

void MainWindow::BuildEditMenu() {
    editor_ = std::make_unique<EditorController>(*this);
    menEditMain_ = new QMenu("&Edit", this);
    menEditMain_->setObjectName("menEditMain");
    menuBar()->insertMenu(menGameMode_->menuAction(), menEditMain_);
    editor_->BuildMenu(menEditMain_);
    if (!newLevelRunner)
        newLevelRunner = [this](NewLevelDialog& d) {
            keys_.ReleaseAll();
            return d.exec() == QDialog::Accepted;
        };
}

void MainWindow::AddNewLevelItems(QMenu* file) {
    QAction* first = file->actions().isEmpty() ? nullptr : file->actions().first();
    auto* standard = new QAction("New S&tandard Level", file);
    standard->setObjectName("menNewStd");
    connect(standard, &QAction::triggered, this, [this] { NewLevelCommand(true); });
    auto* sized = new QAction("&New Level", file);
    sized->setObjectName("menNew");
    connect(sized, &QAction::triggered, this, [this] { NewLevelCommand(false); });
    file->insertActions(first, {standard, sized});
}

void MainWindow::NewLevelCommand(bool standard) {
    if (s_.GameRunning != 0 || !editor_->LeaveFirst()) return;
    int width = kStandardWidth, height = kStandardHeight;
    if (!standard) {
        NewLevelDialog size(this);
        if (!newLevelRunner(size)) return;
        width = size.LevelWidth();
        height = size.LevelHeight();
        editor_->Model().RememberedRegion() = Region{0, 0, width - 1, height - 1};
    }
    FileDialogRequest r;
    r.save = true;
    r.title = standard ? "New Standard Level" : "New Level";
    r.filters = ParseDialogFilter(standard ? kNewStandardLevelFilter : kNewLevelFilter);
    r.folder = settings_.LastSaveDir;
    const FileDialogAnswer a = fileDialog(r);
    if (a.path.isEmpty()) return;
    const DialogFilter& chosen =
        r.filters[static_cast<size_t>(DialogFilterIndex(a.filterIndex, r.filters.size()) - 1)];
    // The file name is taken in lower case; the folders keep their names.
    const QFileInfo chosenName(QString::fromStdString(NameForChosenFilter(a.path.toStdString(), chosen)));
    const QString path = chosenName.dir().filePath(chosenName.fileName().toLower());
    const FileStatus st = CreateLevel(s_, path.toStdString(), width, height, false);
    if (!st) {
        FileErrorBox(st.error().Text());
        return;
    }
    settings_.LastSaveDir = chosenName.absolutePath();
    InitNewLevelFile(path);
    editor_->Model().SetUndoResetPending();
}

}  // namespace tsn
