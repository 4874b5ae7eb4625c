// Options -> "Show &Options", Help -> "&About Tessarin" and the splash at start-up.
#include <QImage>
#include <QInputDialog>

#include "app/about_dialog.h"
#include "app/app_paths.h"
#include "app/bgr_color.h"
#include "app/editor_controller.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/options_dialog.h"
#include "app/splash.h"
#include "app/view_controller.h"
#include "app/view_pane.h"

namespace tsn {

void MainWindow::OptionsCommand() {
    if (s_.GameRunning != 0) return;
    keys_.ReleaseAll();
    if (editor_->Active() && s_.NonStandardLevel)
        ShowMessage(MessageIcon::Information, "Grid is Disabled",
                    "Grid is disabled while you are working in level big than 60x60)");
    sound_.StopMusic();
    CollectSettings();  // the volumes and switches the keys may have changed
    const bool musicWasOn = settings_.Music;
    OptionsDialog dialog(settings_, QStringLiteral(TESSARIN_VERSION), this);
    dialog.ask = IdentityAsker();
    const int result = optionsRunner ? optionsRunner(dialog) : dialog.exec();
    keys_.ReleaseAll();
    if (result != QDialog::Accepted) return;
    settings_ = dialog.Values();
    ApplyOptionSettings();
    playerName_ = settings_.DefaultPlayerName;
    playerEmail_ = settings_.DefaultPlayerEmail;
    if (settings_.Music && !musicWasOn) sound_.PlayMusic();
    SaveAllSettings();
    view_->Layout();
    editor_->Redraw();  // with the grid as now chosen
    UpdateAllControls();
}

// The preferences the options dialog changes, in effect from now on; the game rules reach the
// next run through its preparation.
void MainWindow::ApplyOptionSettings() {
    session_->GetReadyTime = settings_.GetReadyTime;
    session_->FinalSituation = settings_.FinalSituation;
    session_->MusicOn = settings_.Music;
    session_->SoundFxOn = settings_.SoundFX;
    session_->Rules = settings_.Rules();
    sound_.MusicOn = settings_.Music;
    sound_.SoundFxOn = settings_.SoundFX;
    sound_.SetMusicVolume(settings_.MusicVolume);
    sound_.SetSampleVolume(settings_.SampleVolume);
    view_->LimitToOriginal = settings_.LimitToOriginalFieldSize;
    QPalette pal = viewPort_->palette();
    pal.setColor(QPalette::Window, ColorFromBgr(static_cast<uint32_t>(settings_.GameBackgroundColor)));
    viewPort_->setPalette(pal);
}

AskText MainWindow::IdentityAsker() {
    return [this](const QString& title, const QString& prompt, const QString& proposal) -> std::optional<QString> {
        if (session_->QuitRequested) return std::nullopt;
        keys_.ReleaseAll();
        return QInputDialog::getText(this, title, prompt, QLineEdit::Normal, proposal);
    };
}

void MainWindow::AboutCommand() {
    keys_.ReleaseAll();
    AboutDialog about(QStringLiteral(TESSARIN_VERSION), this);
    about.exec();
}

void MainWindow::ShowSplash() {
    new Splash(QImage(FindDataFile(data_.dataFolder, "tsn32.bmp")), QStringLiteral(TESSARIN_VERSION), this);
}

}  // namespace tsn
