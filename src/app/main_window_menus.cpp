// The main window's menus and the commands that have no unit of their own.
#include <QActionGroup>
#include <QMenuBar>
#include <QMessageBox>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/speed_table.h"
#include "app/view_controller.h"

namespace tsn {

void MainWindow::BuildMenus() {
    menFile_ = menuBar()->addMenu("&File");
    BuildFileMenu(menFile_);
    AddNewLevelItems(menFile_);
    BuildGameModeMenu();
    BuildSkipMenu();

    menView_ = menuBar()->addMenu("&View");
    BuildViewMenu(menView_);
    menSpeed_ = menuBar()->addMenu("&Speed");
    BuildSpeedMenu(menSpeed_);

    menOptions_ = menuBar()->addMenu("&Options");
    menOptions_->addAction("Show &Options", this, [this] { OptionsCommand(); });
    mnuDisableSound_ = menOptions_->addAction("Disable Sound");
    mnuDisableSound_->setCheckable(true);
    connect(mnuDisableSound_, &QAction::triggered, this, [this] { DisableSoundCommand(); });

    menHelp_ = menuBar()->addMenu("&Help");
    menHelp_->addAction("&About Tessarin", this, [this] { AboutCommand(); });
    BuildFileControls();
}

void MainWindow::BuildViewMenu(QMenu* view) {
    menZoom_ = view->addMenu("&Zoom");
    auto* zoomGroup = new QActionGroup(this);
    for (int i = 1; i <= 24; ++i) {
        QAction* a = menZoom_->addAction(QString::number(i / 8.0) + " : 1");
        a->setCheckable(true);
        zoomGroup->addAction(a);
        menStretch_[static_cast<size_t>(i)] = a;
        connect(a, &QAction::triggered, this, [this, i] { view_->MenuStretch(i); });
    }
    menBorder_ = view->addAction("Show &Border");
    menBorder_->setCheckable(true);
    connect(menBorder_, &QAction::triggered, this, [this] {
        view_->ToggleBorder();
        menBorder_->setChecked(view_->BorderShown());
    });
    menPanel_ = view->addAction("Show &Panel");
    menPanel_->setCheckable(true);
    menPanel_->setChecked(true);
    connect(menPanel_, &QAction::triggered, this, [this] { TogglePanel(); });
    AddDirPanelItem(view);
    menAutoScroll_ = view->addAction("&Autoscroll");
    menAutoScroll_->setCheckable(true);
    connect(menAutoScroll_, &QAction::triggered, this,
            [this](bool on) { view_->AutoScroll = on; });
    AddLevelInfoItem(view);
}

void MainWindow::BuildSpeedMenu(QMenu* speed) {
    menSpeedPlay_ = speed->addMenu("Game play");
    menSpeedDemo_ = speed->addMenu("Demo playback");
    auto* playGroup = new QActionGroup(this);
    auto* demoGroup = new QActionGroup(this);
    for (int i = 1; i <= kSpeedCount; ++i) {
        const QString text = GetSpeedDescriptionFPS(SpeedDelay(i));
        QAction* p = menSpeedPlay_->addAction(text);
        p->setCheckable(true);
        playGroup->addAction(p);
        menPlaySpeed_[static_cast<size_t>(i)] = p;
        connect(p, &QAction::triggered, this, [this, i] { session_->MenuPlaySpeed(i); });
        QAction* d = menSpeedDemo_->addAction(text);
        d->setCheckable(true);
        demoGroup->addAction(d);
        menDemoSpeed_[static_cast<size_t>(i)] = d;
        connect(d, &QAction::triggered, this, [this, i] { session_->MenuDemoSpeed(i); });
    }
    speed->addSeparator();
    menFaster_ = speed->addAction("Faster (Pg Up)", this, [this] { session_->Faster(); });
    menSlower_ = speed->addAction("Slower (Pg Down)", this, [this] { session_->Slower(); });
}

void MainWindow::DisableSoundCommand() {
    settings_.GLOBALSOUND = !settings_.GLOBALSOUND;
    mnuDisableSound_->setChecked(settings_.GLOBALSOUND);
    keys_.ReleaseAll();
    if (settings_.GLOBALSOUND) {
        settings_.Music = false;
        settings_.SoundFX = false;
        QMessageBox::information(this, "Disable sound card", "Sound card is now disabled.");
    } else {
        settings_.Music = true;
        settings_.SoundFX = true;
        QMessageBox::information(this, "Enable sound card", "Sound card is now enabled.");
    }
    session_->MusicOn = settings_.Music;
    session_->SoundFxOn = settings_.SoundFX;
    // The change takes effect at the next start.
    SaveAllSettings();
    close();
}

}  // namespace tsn
