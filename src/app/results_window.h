#pragma once
// The window listing the verdicts of a demo folder check: one row per file, sortable by a
// column title click, with the demo speed buttons, Skip and Stop All for the running check and
// the exports of the list to text and to a spreadsheet. It is not modal; while the check runs
// it cannot be closed.
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "files/file_error.h"
#include "run/verification_result.h"

class QAction;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace tsn {

class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget* parent = nullptr);

    // A new check: the list emptied, Close disabled and Stop All enabled.
    void Begin();
    // Adds the row of the next file (its number and path only), selected and in view.
    void AddRow(int fileNumber, const QString& path);
    // Fills the last added row with the file's result.
    void FillLastRow(const VerificationRow& row);
    // The check is over: Close enabled, Stop All disabled.
    void End();
    bool Running() const { return running_; }
    bool Exported() const { return exported_; }

    // The results in the order the list shows them.
    std::vector<VerificationRow> RowsInListOrder() const;
    // Sorts by a column as a click on its title does: a second click reverses the order.
    void SortByColumn(int column);

    // The exports into the Logs folder of the user data folder, then opened with `openFile`.
    // Return the file written, or an empty text when it could not be written.
    QString ExportText();
    QString ExportSpreadsheet();
    // Opens a written file with the desktop's application for it; false when none did.
    std::function<bool(const QString& path)> openFile;

    QTreeWidget* List() const { return list_; }

signals:
    void defaultSpeedClicked();
    void fastestSpeedClicked();
    void noDisplayClicked();
    void skipClicked();
    void stopAllClicked();
    // Page Up (faster) or Page Down while the check runs.
    void speedKey(bool faster);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString Export(const QString& name, const std::function<FileStatus(const std::string&)>& write);
    void SetRunningControls();
    // Page Up or Page Down during the check: true when taken.
    bool SpeedKey(const QKeyEvent& event);

    QTreeWidget* list_ = nullptr;
    QPushButton* cmdDefaultSpeed_ = nullptr;
    QPushButton* cmdFastestSpeed_ = nullptr;
    QPushButton* cmdNoDisplay_ = nullptr;
    QPushButton* cmdSkipLevel_ = nullptr;
    QPushButton* cmdStopAll_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QAction* mnuFile_ = nullptr;
    QAction* mnuExcel_ = nullptr;
    std::vector<VerificationRow> rows_;  // by file number - 1
    QTreeWidgetItem* lastItem_ = nullptr;
    int sortColumn_ = -1;
    bool descending_ = false;
    bool running_ = false;
    bool exported_ = true;
};

}  // namespace tsn
