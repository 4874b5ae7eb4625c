// File -> "Load Savegame": the current level starts again from its saved game.
#include <QMenu>

#include "app/game_session.h"
#include "app/main_window.h"

namespace tsn {

void MainWindow::AddLoadSavegameItem(QMenu* file) {
    mnuLoadSavegame_ = file->addAction("Load Savegame", this, [this] {
        // Off during a run and in the editor (its level has no saved game).
        if (s_.GameRunning == 0 && !session_->EditMode) session_->QuickLoadCommand();
    });
    mnuLoadSavegame_->setObjectName("mnu_load_savegame");
}

}  // namespace tsn
