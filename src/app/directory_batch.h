#pragma once
// The demo folder check of the window: every "*.qv", then every "*.tsn" file below a folder is
// opened as the current level file and its demo played by the window's play-demo command, one
// after another, each verdict going to the results window. The check is a chain of the run
// machine's own transitions: a file starts its demo and the end of that run fills its row and
// starts the next file. Afterwards the level file, the demo speed, the display and the
// controls are as before.
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <string>

namespace tsn {

class MainWindow;
class ResultsWindow;

// The demo files below `folder` (sub-folders included, names in any case): the "*.qv" files,
// then the "*.tsn" files, each group in path order. `status` is told of each step.
QStringList CollectDemoFiles(const QString& folder, const std::function<void(const QString&)>& status);

class DirectoryBatch : public QObject {
    Q_OBJECT
public:
    explicit DirectoryBatch(MainWindow& window);
    ~DirectoryBatch() override;

    // File -> "Play Dir": asks for the folder, then checks it.
    void PlayDirCommand();
    // Checks the demo files below `folder`.
    void Start(const QString& folder);
    bool Running() const { return running_; }
    // "Playing demo i of N" while a demo plays, for the main window's caption; else empty.
    const QString& Caption() const { return caption_; }
    ResultsWindow* Results() const { return results_; }

    // The folder chooser: the starting folder in, the chosen folder (empty: none) out.
    std::function<QString(const QString& start)> chooseFolder;

    // The results window's commands.
    void DefaultSpeed();
    void FastestSpeed();
    void NoDisplay();
    void Skip();
    void StopAll();

private:
    void PlayNext();
    void RunEnded();
    void Finish();
    void SetDemoSpeed(int index);

    MainWindow& w_;
    ResultsWindow* results_ = nullptr;  // owned by the main window
    QStringList files_;
    int next_ = 0;           // index of the next file to play
    bool running_ = false;
    bool playing_ = false;   // a demo of the check is running
    bool skipRequested_ = false;
    bool stopAllRequested_ = false;
    QString caption_;        // "Playing demo i of N" while a demo plays
    std::string keptLevelFile_;
    int keptLevelIndex_ = 0;
    int32_t keptDemoSpeed_ = 0;
    int16_t keptNoDisplay_ = 0;
};

}  // namespace tsn
