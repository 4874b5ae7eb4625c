// Start-up and shutdown of the main window, and the settings it keeps.
#include <QApplication>
#include <QDir>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <new>

#include "app/app_paths.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/speed_table.h"
#include "app/view_controller.h"
#include "app/view_pane.h"
#include "files/path_names.h"

namespace tsn {

bool MainWindow::Load(const QString& startFile) {
    settings_ = LoadSettings(*store_, data_.dataFolder);
    ApplySettings();
    loaded_ = true;  // from here on the settings may be saved

    // A sheet that cannot be decoded is as damaged as one with the wrong digest.
    if (!view_->LoadSheet(FindDataFile(data_.dataFolder, "tsn32.bmp")))
        data_.spriteSheetInvalid = true;
    if (!settings_.GLOBALSOUND) {
        const QString soundFolder = FindDataFile(data_.dataFolder, "Sound");
        // No audio device: the game runs silently.
        if (sound_.InitSound(soundFolder)) sound_.LoadMusic(soundFolder);
    }
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        session_->screenWidth = screen->size().width();
        session_->screenHeight = screen->size().height();
    }
    view_->WindowLoaded = true;
    view_->ctx.Stretch = static_cast<float>(settings_.gStretch);
    view_->SetZoomMenu(session_->screenWidth, session_->screenHeight);
    UpdateMainCaption();

    const QString defaultSet = FindDataFile(data_.dataFolder, "levels/levels.dat");
    QString path = settings_.LastPath;
    if (path.isEmpty() || !QFileInfo::exists(path)) path = defaultSet;
    if (!startFile.isEmpty() && StartFileAccepted(startFile)) path = startFile;
    s_.CurrentLevelFile = path.toStdString();
    bool read = false;
    try {
        read = FillLevelList(path, 0);
    } catch (const std::bad_alloc&) {
        ShowError("Error", "There is not enough memory to open " + path + ".");
    }
    if (fatal_) return false;
    if (!read && path != defaultSet) {
        // The last file cannot be read any more: the default set takes its place.
        s_.CurrentLevelFile = defaultSet.toStdString();
        FillLevelList(defaultSet, 0);
        if (fatal_) return false;
    }
    UpdateMainCaption();
    UpdateAllControls();
    UpdateDirPanel();

    AskPlayerIdentity();
    mnuDisableSound_->setChecked(settings_.GLOBALSOUND);
    if (settings_.ShowSplash) {
        show();
        ShowSplash();
    }
    return true;
}

void MainWindow::AskPlayerIdentity() {
    // The questions repeat until answered; only closing the program ends them.
    const AskText ask = IdentityAsker();
    playerName_ = settings_.DefaultPlayerName.trimmed();
    playerEmail_ = settings_.DefaultPlayerEmail.trimmed();
    const bool asked = playerName_.isEmpty() || playerEmail_.isEmpty();
    if (playerName_.isEmpty()) playerName_ = AskIdentity(ask, kNameQuestion).value_or(QString());
    if (playerEmail_.isEmpty()) playerEmail_ = AskIdentity(ask, kEmailQuestion).value_or(QString());
    if (session_->QuitRequested) return;
    settings_.DefaultPlayerName = playerName_;
    settings_.DefaultPlayerEmail = playerEmail_;
    if (asked) SaveAllSettings();
}

void MainWindow::ApplySettings() {
    session_->PlayDelay = session_->PlaySpeedSetting = SpeedDelay(GetSpeedIndex(settings_.FrameDelayPlay));
    session_->DemoDelay = session_->DemoSpeedSetting = SpeedDelay(GetSpeedIndex(settings_.FrameDelayDemo));
    menPlaySpeed_[static_cast<size_t>(GetSpeedIndex(session_->PlayDelay))]->setChecked(true);
    menDemoSpeed_[static_cast<size_t>(GetSpeedIndex(session_->DemoDelay))]->setChecked(true);
    ApplyOptionSettings();
    session_->GameMode = settings_.GameMode;
    ShowGameMode();
    view_->AutoScroll = settings_.AutoScroll;
    menAutoScroll_->setChecked(settings_.AutoScroll);
    view_->SetBorderShown(settings_.ShowBorder);
    menBorder_->setChecked(settings_.ShowBorder);

    if (settings_.Geometry) {
        setGeometry(static_cast<int>(settings_.Geometry->left), static_cast<int>(settings_.Geometry->top),
                    static_cast<int>(settings_.Geometry->width), static_cast<int>(settings_.Geometry->height));
    } else {
        resize(1024, 720);
    }
    if (settings_.WinState == 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::CollectSettings() {
    settings_.LastPath = QString::fromStdString(s_.CurrentLevelFile);
    if (!isMinimized()) {
        const QRect g = geometry();
        settings_.Geometry = WindowGeometry{static_cast<double>(g.width()),
                                            static_cast<double>(g.height()),
                                            static_cast<double>(g.x()), static_cast<double>(g.y())};
        settings_.WinState = isMaximized() ? 2 : 0;
    } else {
        settings_.Geometry.reset();  // keep the stored size and position
    }
    settings_.ShowBorder = view_->BorderShown();
    settings_.AutoScroll = view_->AutoScroll;
    settings_.FrameDelayPlay = session_->PlaySpeedSetting;
    settings_.FrameDelayDemo = session_->DemoSpeedSetting;
    settings_.gStretch = view_->ctx.Stretch;
    settings_.MusicVolume = sound_.MusicVolume();
    settings_.SampleVolume = sound_.SampleVolume();
    settings_.Music = session_->MusicOn;
    settings_.SoundFX = session_->SoundFxOn;
    settings_.GameMode = static_cast<uint8_t>(session_->GameMode);
}

void MainWindow::SaveAllSettings() {
    if (!loaded_) return;
    CollectSettings();
    SaveSettings(*store_, settings_);
}

void MainWindow::Unload() {
    if (unloaded_) return;
    unloaded_ = true;
    s_.StopRequested = -1;
    s_.EndLevelNow = 1;
    if (!data_.spriteSheetInvalid && s_.GameRunning != 0) session_->Stop();
    session_->Halt();
    if (!data_.tempLevelFile.isEmpty()) QFile::remove(data_.tempLevelFile);
    SaveAllSettings();
    sound_.Shutdown();
    hide();
}

}  // namespace tsn
