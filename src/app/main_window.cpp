#include "app/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QKeyEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

#include "app/app_paths.h"
#include "app/control_states.h"
#include "app/dir_panel.h"
#include "app/directory_batch.h"
#include "app/editor_controller.h"
#include "app/editor_header.h"
#include "app/game_session.h"
#include "app/level_info_popup.h"
#include "app/main_caption.h"
#include "app/speed_table.h"
#include "app/view_controller.h"
#include "app/view_pane.h"
#include "presentation/snapshot.h"

namespace tsn {

namespace {
QLabel* MakeValue(const QString& text = QString()) {
    auto* l = new QLabel(text);
    l->setMinimumWidth(70);
    l->setFrameShape(QFrame::StyledPanel);
    l->setAlignment(Qt::AlignCenter);
    return l;
}
}  // namespace

MainWindow::MainWindow(const StartupData& startup, QSettings* store, QWidget* parent)
    : QMainWindow(parent), data_(startup), store_(store) {
    setObjectName("MainForm");
    BuildControls();
    view_ = std::make_unique<ViewController>(s_, viewPort_, viewPane_, *this);
    session_ = std::make_unique<GameSession>(s_, *view_, sound_, keys_, *this);
    batch_ = std::make_unique<DirectoryBatch>(*this);
    s_.view = view_.get();
    s_.sound = &sound_;
    BuildMenus();

    view_->beep = [this] { Beep(); };
    // A glide step sleeps; glides are short and happen only within a run's level start.
    view_->waiter = [](int ms) { QThread::msleep(static_cast<unsigned long>(ms)); };
    view_->beforeDisplay = [this] { return CheckSpriteSheet(); };
    view_->onZoomItemChecked = [this](int item) {
        for (int i = 1; i <= 24; ++i) menStretch_[static_cast<size_t>(i)]->setChecked(i == item);
    };
    view_->onZoomItemDisabled = [this](int item) {
        if (item >= 1 && item <= 24) menStretch_[static_cast<size_t>(item)]->setEnabled(false);
    };
    viewPort_->onResize = [this] {
        view_->Layout();
        view_->PresentAlways();
    };
    viewPane_->onWheel = [this](int rotation) { view_->Wheel(rotation); };

    statusTimer_.setInterval(3000);
    statusTimer_.setSingleShot(true);
    connect(&statusTimer_, &QTimer::timeout, this,
            [this] { lblStatus_->setText(QStringLiteral("Welcome To Tessarin")); });

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                session_->SetAppInactive(state != Qt::ApplicationActive);
            });
    qApp->installEventFilter(this);
    connect(session_.get(), &GameSession::quitRequested, this, &QWidget::close,
            Qt::QueuedConnection);
    sound_.onError = [this](const QString& text) { ErrorBox("Error", text); };
    BuildEditMenu();
}

MainWindow::~MainWindow() {
    qApp->removeEventFilter(this);
    s_.view = nullptr;
    s_.sound = nullptr;
}

void MainWindow::BuildControls() {
    auto* central = new QWidget(this);
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(4, 4, 4, 4);
    column->setSpacing(4);

    auto* buttons = new QHBoxLayout;
    cmdPlay_ = new QPushButton("Play");
    cmdPause_ = new QPushButton("Pause");
    cmdStop_ = new QPushButton("Stop");
    cmdPlayDemo_ = new QPushButton("Play Demo");
    cmbLevel_ = new QComboBox;
    cmbLevel_->setMinimumWidth(260);
    cmbLevel_->setIconSize(QSize(16, 16));
    QFont mono = cmbLevel_->font();
    mono.setFamily("Monospace");
    mono.setStyleHint(QFont::TypeWriter);
    cmbLevel_->setFont(mono);
    for (QWidget* w : std::initializer_list<QWidget*>{cmdPlay_, cmdPause_, cmdStop_, cmdPlayDemo_, cmbLevel_}) {
        w->setFocusPolicy(Qt::NoFocus);
        buttons->addWidget(w);
    }
    buttons->addStretch(1);
    column->addLayout(buttons);

    panel_ = new QFrame;
    panel_->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(panel_);
    grid->setContentsMargins(6, 4, 6, 4);
    lblInfoCount_ = MakeValue();
    lblRedDiskCount_ = MakeValue();
    lblSteps_ = MakeValue("0");
    lblFrameCount_ = MakeValue("0");
    lblLevelTime_ = MakeValue("000:00:00");
    lblFps_ = MakeValue();
    lblTimeLeft_ = MakeValue();
    lblTotalSteps_ = MakeValue("0");
    lblTotalLevelTime_ = MakeValue("00:00:00");
    lblBestSteps_ = MakeValue("0");
    lblTotalTries_ = MakeValue("0");
    lblAllLevelsTime_ = MakeValue("00:00:00");
    int col = 0;
    auto add = [&](const QString& caption, QLabel* value, int row) {
        grid->addWidget(new QLabel(caption), row, col);
        grid->addWidget(value, row, col + 1);
    };
    add("Infotrons:", lblInfoCount_, 0);
    add("Red disks:", lblRedDiskCount_, 1);
    col = 2;
    add("Steps:", lblSteps_, 0);
    add("Frames:", lblFrameCount_, 1);
    col = 4;
    add("Time:", lblLevelTime_, 0);
    add("FPS:", lblFps_, 1);
    col = 6;
    add("Total steps:", lblTotalSteps_, 0);
    add("Best steps:", lblBestSteps_, 1);
    col = 8;
    add("Tries:", lblTotalTries_, 0);
    add("Level time:", lblTotalLevelTime_, 1);
    col = 10;
    add("All levels:", lblAllLevelsTime_, 0);
    add("Demo left:", lblTimeLeft_, 1);

    auto* keys = new QWidget;
    auto* keyGrid = new QGridLayout(keys);
    keyGrid->setSpacing(1);
    keyGrid->setContentsMargins(0, 0, 0, 0);
    const char* keyText[5] = {"^", "<", "v", ">", "*"};
    const int keyPos[5][2] = {{0, 1}, {1, 0}, {1, 1}, {1, 2}, {0, 3}};
    for (int i = 0; i < 5; ++i) {
        auto* l = new QLabel(keyText[i]);
        l->setFixedSize(18, 18);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameShape(QFrame::Panel);
        l->setAutoFillBackground(true);
        keyLights_[static_cast<size_t>(i)] = l;
        keyGrid->addWidget(l, keyPos[i][0], keyPos[i][1]);
    }
    grid->addWidget(keys, 0, 12, 2, 1);
    grid->setColumnStretch(13, 1);
    column->addWidget(panel_);

    progress_ = new QProgressBar;
    progress_->setRange(0, 200);
    progress_->setTextVisible(false);
    progress_->setMaximumHeight(8);
    progress_->setVisible(false);
    column->addWidget(progress_);

    viewPort_ = new ViewPort;
    QPalette pal = viewPort_->palette();
    pal.setColor(QPalette::Window, QColor(0xEA, 0xEA, 0xEA));
    viewPort_->setPalette(pal);
    viewPane_ = new ViewPane(viewPort_);
    viewPort_->setMinimumSize(160, 120);
    column->addWidget(viewPort_, 1);

    lblStatus_ = new QLabel(QStringLiteral("Welcome To Tessarin"));
    lblStatus_->setFrameShape(QFrame::StyledPanel);
    column->addWidget(lblStatus_);
    setCentralWidget(central);

    connect(cmdPlay_, &QPushButton::clicked, this, [this] {
        if (s_.GameRunning == 0 && s_.LevelLoaded) session_->PlayCommand();
    });
    connect(cmdPause_, &QPushButton::clicked, this, [this] {
        if (s_.GameRunning != 0) session_->TogglePause();
    });
    connect(cmdStop_, &QPushButton::clicked, this, [this] {
        if (s_.GameRunning != 0) session_->Stop();
    });
    connect(cmdPlayDemo_, &QPushButton::clicked, this, [this] {
        if (s_.GameRunning == 0 && s_.LevelHasDemo) session_->PlayDemoCommand();
    });
    connect(cmbLevel_, &QComboBox::activated, this, [this](int index) { SelectLevel(index); });
}

// ---------------------------------------------------------------- displays

void MainWindow::ShowInfotronsNeeded(int value) {
    lblInfoCount_->setText(QString::number(value));
    lblInfoCount_->setStyleSheet(value > 0 ? "color: #8080FF;" : "color: #FF0000;");
    lblInfoCount_->repaint();
}

void MainWindow::ShowSteps(int value) { lblSteps_->setText(QString::number(value)); }

void MainWindow::ShowRedDiskCount(int value) {
    lblRedDiskCount_->setText(QString::number(value));
    lblRedDiskCount_->repaint();
}

void MainWindow::ClearRedDiskCount() {
    lblRedDiskCount_->clear();
    lblRedDiskCount_->repaint();
}

void MainWindow::ShowFrameCount(int64_t frames) { lblFrameCount_->setText(QString::number(frames)); }
void MainWindow::ShowTimeLeft(const QString& text) { lblTimeLeft_->setText(text); }
void MainWindow::ShowGameTime(const QString& text) { lblLevelTime_->setText(text); }
void MainWindow::ShowFps(double fps) { lblFps_->setText(QString::number(fps, 'f', 1)); }

void MainWindow::ShowKey(int key) {
    std::array<int, 5> lit{};
    if (key >= 1 && key <= 4) lit[static_cast<size_t>(key - 1)] = 1;
    if (key >= 5 && key <= 8) lit[static_cast<size_t>(key - 5)] = 1;
    if (key >= 5) lit[4] = 1;
    for (size_t i = 0; i < 5; ++i) {
        if (lit[i] == keyLit_[i]) continue;
        keyLit_[i] = lit[i];
        QPalette pal = keyLights_[i]->palette();
        const QColor on = i == 4 ? QColor(255, 0, 0) : QColor(0, 255, 0);
        pal.setColor(QPalette::Window, lit[i] ? on : palette().color(QPalette::Button));
        keyLights_[i]->setPalette(pal);
        keyLights_[i]->repaint();
    }
}

void MainWindow::SetStatus(const QString& text) { lblStatus_->setText(text); }
void MainWindow::StartStatusTimer() { statusTimer_.start(); }

void MainWindow::SetProgress(int step) {
    progress_->setVisible(step >= 0);
    if (step >= 0) progress_->setValue(step);
}

void MainWindow::Beep() { QApplication::beep(); }

bool MainWindow::AskMemoryStep() {
    const auto answer = QMessageBox::information(
        this, QString(),
        "Play field in memory!\nYes button for 1 more frame\nNo button to exit memory mode and continue",
        QMessageBox::Yes | QMessageBox::No);
    keys_.ReleaseAll();
    return answer == QMessageBox::Yes;
}

bool MainWindow::AskExit() {
    const auto answer = QMessageBox::question(this, "Exit Tessarin", "Exit to windows?",
                                              QMessageBox::Yes | QMessageBox::No);
    keys_.ReleaseAll();
    return answer == QMessageBox::Yes;
}

void MainWindow::TogglePanel() {
    view_->PanelVisible = !view_->PanelVisible;
    menPanel_->setChecked(view_->PanelVisible);
    panel_->setVisible(view_->PanelVisible);
    centralWidget()->layout()->activate();  // the view port takes its new size now
    view_->Layout();
    view_->Present();
}

void MainWindow::SaveSnapshot() {
    const QString path = SaveSnapshotImage(view_->CapturePane(), UserSubFolder("Capture"));
    if (!path.isEmpty()) Beep();
}

void MainWindow::ErrorBox(const QString& title, const QString& text) {
    ShowMessage(MessageIcon::Exclamation, title, text);
}

void MainWindow::FileErrorBox(const std::string& text) {
    ErrorBox("Application Error", QString::fromStdString(text));
}

void MainWindow::ShowError(const QString& title, const QString& text) {
    ShowMessage(MessageIcon::Stop, title, text);
}

void MainWindow::ShowMessage(MessageIcon icon, const QString& title, const QString& text) {
    const QMessageBox::Icon shown = icon == MessageIcon::Information ? QMessageBox::Information
                                    : icon == MessageIcon::Exclamation ? QMessageBox::Warning
                                                                       : QMessageBox::Critical;
    // Keys held when the box opens, or let go while it is up, are not the game's any more.
    keys_.ReleaseAll();
    QMessageBox box(shown, title, text, QMessageBox::Ok, this);
    box.exec();
    keys_.ReleaseAll();
}

void MainWindow::Fatal(const QString& text) {
    EndProgram("Fatal Error", text, QMessageBox::Critical);
}

void MainWindow::EndProgram(const QString& title, const QString& text, QMessageBox::Icon icon) {
    if (fatal_) return;
    fatal_ = true;
    keys_.ReleaseAll();
    QMessageBox box(icon, title, text, QMessageBox::Ok, this);
    box.exec();
    Unload();
    // Before the event loop runs, Load's false return ends the program instead.
    if (QThread::currentThread()->loopLevel() > 0) QCoreApplication::exit(1);
}

bool MainWindow::CheckSpriteSheet() {
    if (data_.spriteSheetInvalid) Fatal("The File tsn32.bmp is not a valid bitmap file.");
    return !fatal_;
}

// ---------------------------------------------------------------- control states

void MainWindow::UpdateAllControls() {
    if (s_.PlayingDirectory != 0 && s_.NoDisplay != 0) return;
    ApplyControlStates();
    ShowStatistics();
    ShowInfotronsNeeded(s_.InfotronsNeeded);
}

ControlInput MainWindow::CurrentControlInput() const {
    ControlInput in;
    in.running = s_.GameRunning != 0;
    in.demoPlayback = s_.DemoPlayback == 1;
    in.editMode = editor_ && editor_->Active();
    in.batch = s_.PlayingDirectory != 0;
    in.levelLoaded = s_.LevelLoaded;
    in.levelHasDemo = s_.LevelHasDemo;
    in.freePlay = session_->GameMode == 1;
    in.canUndo = editor_ && editor_->Model().CanUndo();
    in.canRedo = editor_ && editor_->Model().CanRedo();
    return in;
}

void MainWindow::ApplyControlStates() { ApplyControls(DecideControls(CurrentControlInput())); }

void MainWindow::DisableControls(uint8_t mode) {
    const ControlInput in = CurrentControlInput();
    ApplyControls(DisabledControls(DecideControls(in), in, mode));
}

void MainWindow::ApplyControls(const ControlStates& c) {
    const auto set = [](auto* control, bool on) {
        if (control != nullptr) control->setEnabled(on);
    };
    set(cmdPlay_, c.play);
    set(cmdPause_, c.pause);
    set(cmdStop_, c.stop);
    set(cmdPlayDemo_, c.playDemo);
    set(cmbLevel_, c.levelList);
    set(menFile_, c.file);
    set(menEditMain_, c.edit);
    set(menGameMode_, c.gameMode);
    set(menView_, c.view);
    set(menSpeed_, c.speed);
    set(menOptions_, c.options);
    set(menHelp_, c.help);
    set(menShowLInfo_, c.showLevelInfo);
    set(mnuLoadSavegame_, c.loadSavegame);
    set(menSpeedPlay_, c.speedPlay);
    set(menSpeedDemo_, c.speedDemo);
    set(menFaster_, c.faster);
    set(menSlower_, c.slower);
    set(dirPanel_, c.dirPanel);
    set(mnuShowDirPanel_, c.showDirPanel);
    if (editor_) {
        set(editor_->Header(), c.levelHeader);
        set(editor_->EditAction(), c.editLevel);
        set(editor_->UndoAction(), c.undo);
        set(editor_->RedoAction(), c.redo);
        for (QAction* a : editor_->ToolActions()) set(a, c.editorTools);
    }
}

void MainWindow::ShowStatistics() {
    if (s_.GameRunning == 0 && !settings_.FinalSituation) {
        lblRedDiskCount_->clear();
        lblLevelTime_->setText("000:00:00");
    }
    ShowProgressStatistics();
    lblSteps_->setText(QString::number(s_.StepCount));
}

QString MainWindow::Caption() const {
    if (batch_ && !batch_->Caption().isEmpty())
        return BatchCaption(QStringLiteral(TESSARIN_VERSION), batch_->Caption());
    CaptionParts parts;
    parts.version = QStringLiteral(TESSARIN_VERSION);
    parts.filePath = QString::fromStdString(s_.CurrentLevelFile);
    parts.levelChanged = editor_ && editor_->LevelChanged();
    if (s_.GameRunning != 0)
        parts.run = s_.DemoPlayback == 1 ? CaptionParts::Run::Demo : CaptionParts::Run::Play;
    parts.playDelay = session_->PlayDelay;
    parts.demoDelay = session_->DemoDelay;
    return MainCaption(parts);
}

void MainWindow::UpdateMainCaption() { setWindowTitle(Caption()); }

// ---------------------------------------------------------------- keys and activation

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (LevelListMouse(watched, event)) return true;
    const auto type = event->type();
    if (type == QEvent::KeyPress || type == QEvent::KeyRelease) {
        auto* w = qobject_cast<QWidget*>(watched);
        if (w == nullptr || w->window() != this || QApplication::activeModalWidget() != nullptr)
            return false;
        // Typing into a text box of the window (the editor's header) is not the game's.
        if (qobject_cast<QLineEdit*>(w) != nullptr) return false;
        // Only the window's own events count once (the filter also sees the events a child
        // passes on to its parent).
        auto* e = static_cast<QKeyEvent*>(event);
        const bool known = keys_.Apply(*e);
        if (!known) return false;
        session_->KeyActivity();
        // Menus stay reachable with Alt; every other key belongs to the game.
        return !keys_.Alt();
    }
    if (type == QEvent::WindowDeactivate && watched == this) keys_.ReleaseAll();
    return false;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    session_->QuitRequested = true;
    s_.StopRequested = -1;
    s_.EndLevelNow = 1;
    // A run ends now with its end-of-run steps. Only a frame that is showing a modal box
    // cannot end here: it ends its run when the box is answered, then closes the window.
    session_->EndRunNow();
    const auto phase = session_->CurrentPhase();
    if (phase != GameSession::Phase::Idle && phase != GameSession::Phase::Halted) {
        event->ignore();
        return;
    }
    // Unsaved edits are offered for saving first; Cancel keeps the window.
    if (editor_ && !editor_->LeaveFirst()) {
        session_->QuitRequested = false;
        event->ignore();
        return;
    }
    event->accept();
}

}  // namespace tsn
