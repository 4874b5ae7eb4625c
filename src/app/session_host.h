#pragma once
// What a run needs from the main window: its labels, its dialogs and the level files.
#include <QString>
#include <cstdint>

#include "files/file_error.h"

namespace tsn {

// The icons of the message boxes a run shows.
enum class MessageIcon { Information, Exclamation, Stop };

class SessionHost {
public:
    virtual ~SessionHost() = default;
    virtual void UpdateAllControls() = 0;
    virtual void UpdateMainCaption() = 0;
    virtual void SetStatus(const QString& text) = 0;
    virtual void StartStatusTimer() = 0;
    // The get-ready bar: 0 .. 200, or -1 to hide it.
    virtual void SetProgress(int step) = 0;
    virtual void ShowFrameCount(int64_t frames) = 0;
    virtual void ShowTimeLeft(const QString& text) = 0;
    virtual void ShowGameTime(const QString& text) = 0;
    virtual void ShowFps(double fps) = 0;
    virtual void ShowKey(int action) = 0;
    // Memory mode: true for one more frame.
    virtual bool AskMemoryStep() = 0;
    // "Exit to windows?": true to quit.
    virtual bool AskExit() = 0;
    virtual void Beep() = 0;
    virtual void TogglePanel() = 0;
    virtual void SaveSnapshot() = 0;
    // Reads the current level (CurrentLevelNumber of the current file) into the state; a level
    // that cannot be read is reported in a message box.
    virtual bool ReadCurrentLevel() = 0;
    // Shows the failure of a level read, if any; true when the level is loaded.
    virtual bool ReportLevelRead(const FileStatus& read) = 0;
    // Opens the current level file afresh (the play-demo command reads the demo again).
    virtual void ReopenLevelFile() = 0;
    // The level and this run's recorded actions into a new temporary container.
    virtual void WriteLastRunFile() = 0;
    // The run's result into the player's progress.
    virtual void RecordRunResult(bool solved) = 0;
    // A message box with the critical icon.
    virtual void ShowError(const QString& title, const QString& text) = 0;
    // A message box with an OK button and the given icon.
    virtual void ShowMessage(MessageIcon icon, const QString& title, const QString& text) = 0;
};

}  // namespace tsn
