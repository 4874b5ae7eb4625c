#pragma once
// The dialog that empties the Temp folder: one line per step, Cancel between files, "Ok" at
// the end.
#include <QDialog>
#include <QStringList>
#include <memory>

#include "files/temp_folder_clearing.h"

class QListWidget;
class QPushButton;

namespace tsn {

class ClearTempDialog : public QDialog {
    Q_OBJECT
public:
    ClearTempDialog(const QString& folder, QWidget* parent = nullptr);
    ~ClearTempDialog() override;
    // Deletes the next file, or ends when all are gone or Cancel was pressed. The dialog
    // schedules the steps itself once shown; the user interface runs between them.
    void Step();
    bool Finished() const { return finished_; }
    QStringList Lines() const;
    QPushButton* Button() const { return button_; }
    const TempFolderClearing& Clearing() const { return clearing_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void AddLine(const QString& text);
    void Finish(const QString& text);

    TempFolderClearing clearing_;
    QListWidget* lines_;
    QPushButton* button_;
    bool canceled_ = false;
    bool finished_ = false;
};

}  // namespace tsn
