// Quick save and load: the keys and the menu raise a request, and the next frame carries it
// out before its keys, so a saved game holds the state between two frames and a load
// continues from exactly that point.
#include <QString>
#include <filesystem>
#include <new>

#include "app/game_session.h"
#include "app/session_host.h"
#include "app/view_controller.h"
#include "app/window_state.h"
#include "files/saved_game.h"
#include "files/saved_game_file.h"

namespace tsn {

namespace {

constexpr const char* kCantSaveTitle = "Can't save progress";
constexpr const char* kNoSaveFileText = "The Tessarin quick save file doesn't exist.";

QString FromStd(const std::string& text) {
    return QString::fromStdString(text);
}

bool Exists(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path, ec);
}

}  // namespace

void GameSession::QuickSaveKey() {
    if (QuickSaveAllowed() && !EditMode) {
        if (s_.SavedGameLoads >= 255)
            host_.ShowMessage(MessageIcon::Information, "Max of 255 saves only",
                              "You cannot save more than 255 times!");
        else
            QuickSaveRequest = true;
    } else if (s_.PlayFromEditor != 0) {
        host_.ShowMessage(MessageIcon::Information, kCantSaveTitle,
                          "You cannot save game progress in edit mode!");
    } else if (!QuickSaveAllowed()) {
        host_.ShowMessage(MessageIcon::Information, kCantSaveTitle,
                          "You cannot use quick save in this mode!");
    } else {
        host_.Beep();
    }
}

void GameSession::QuickLoadCommand() {
    const auto where = LocateSavedGame(s_.CurrentLevelFile);
    if (!where) {
        host_.ShowMessage(MessageIcon::Exclamation, "Application Error",
                          FromStd(where.error().Text()));
        return;
    }
    if (!Exists(where->path)) {
        host_.ShowMessage(MessageIcon::Exclamation, QString(), kNoSaveFileText);
        return;
    }
    // Only the header is read here; the whole file is checked when the load is carried out.
    const auto header = ReadSavedGameFile(where->path, kSavedGameHeaderSize);
    const SavedGameRefusal refusal =
        header ? CheckSavedGameHeader(*header, where->digest) : SavedGameRefusal::Corrupt;
    if (refusal != SavedGameRefusal::None) {
        host_.ShowMessage(MessageIcon::Exclamation, QString(),
                          FromStd(SavedGameRefusalText(refusal)));
        return;
    }
    QuickLoadRequest = true;
    if (phase_ == Phase::Idle) PlayCommand();
}

// Between two frames: a load first, then a save.
void GameSession::CarryOutSavedGameRequests() {
    if (QuickLoadRequest) {
        QuickLoadRequest = false;
        LoadQuickSave();
    }
    if (QuickSaveRequest) {
        QuickSaveRequest = false;
        s_.QuickSaveUsed = -1;
        WriteQuickSave();
        host_.Beep();
    }
}

// A saved game that cannot be loaded is refused with its message; the run goes on as it was.
void GameSession::LoadQuickSave() {
    const auto where = LocateSavedGame(s_.CurrentLevelFile);
    if (!where || !Exists(where->path)) {
        host_.ShowMessage(MessageIcon::Exclamation, QString(),
                          "The Tessarin saved file doesn't exist.");
        return;
    }
    SavedGameRefusal refusal = SavedGameRefusal::Corrupt;
    try {
        const auto data = ReadSavedGameFile(where->path);
        if (data) refusal = LoadSavedGame(s_, *data, where->digest);
    } catch (const std::bad_alloc&) {
        host_.ShowError("Error", "There is not enough memory to load the saved game.");
        return;
    }
    if (refusal != SavedGameRefusal::None) {
        host_.ShowMessage(
            refusal == SavedGameRefusal::Corrupt ? MessageIcon::Stop : MessageIcon::Exclamation,
            QString(), FromStd(SavedGameRefusalText(refusal)));
        return;
    }
    s_.SavedGameLoads = static_cast<uint8_t>(s_.SavedGameLoads + 1);
    QuickSaveOrLoadMade = true;
    // The saved game decides whether its actions come from a demo.
    demoRun_ = s_.DemoPlayback == 1;
    UpdateDeltaT();
    fpsStartFrame_ = s_.Frames();
    fpsStartTick_ = tick_.TickNow();
    RedrawEverything();
    view_.showInfotronsNeeded(s_.InfotronsNeeded);
    view_.showSteps(s_.StepCount);
    host_.ShowFrameCount(s_.Frames());
    host_.UpdateMainCaption();
    host_.UpdateAllControls();
}

void GameSession::WriteQuickSave() {
    const auto where = LocateSavedGame(s_.CurrentLevelFile);
    FileStatus written = where.status();
    try {
        if (where) written = WriteSavedGameFile(where->path, s_, where->digest);
    } catch (const std::bad_alloc&) {
        written = FileError{"QuickSave", 0, "Not enough memory"};
    }
    if (written) {
        QuickSaveOrLoadMade = true;
        host_.ShowMessage(MessageIcon::Information, QString(),
                          "Quck save file was saved successeful!\r\nAt any time with this level "
                          "loaded into memory you can load it by pressing L key.");
        return;
    }
    // The previous saved game, if any, is still there: the safe writer replaces it only whole.
    const std::string file = where ? where->path : written.error().Text();
    host_.ShowMessage(MessageIcon::Stop, QString(),
                      "Quick save file was not saved!\r\nFailed to delete it. Please delete the "
                      "file manualy:\r\n" +
                          FromStd(file));
}

}  // namespace tsn
