#pragma once
// The open and save dialogs of the main window's file commands, behind one call that tests can
// replace.
#include <QString>
#include <QStringList>
#include <functional>

#include "files/file_dialogs.h"

class QWidget;

namespace tsn {

struct FileDialogRequest {
    bool save = false;
    QString title;
    QString folder;    // the starting folder; empty for the dialog's own
    QString proposed;  // the proposed file name (save dialogs)
    std::vector<DialogFilter> filters;
    int filterIndex = 1;  // 1-based
};

struct FileDialogAnswer {
    QString path;         // empty when cancelled
    int filterIndex = 1;  // the filter chosen, 1-based
};

using FileDialogRunner = std::function<FileDialogAnswer(const FileDialogRequest&)>;

// The filter as the dialog shows it: "Label (*.a *.b)".
QString DialogFilterText(const DialogFilter& f);

// Shows the dialog: save dialogs ask before replacing a file; read-only files are not offered
// for opening with write access.
FileDialogAnswer RunFileDialog(QWidget* parent, const FileDialogRequest& request);

}  // namespace tsn
