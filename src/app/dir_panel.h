#pragma once
// The directory panel: a folder tree (its roots are the drives) and the level files of the
// chosen folder. A click on a file chooses it, a double-click activates it.
#include <QFrame>
#include <QString>

class QFileSystemModel;
class QListView;
class QTreeView;

namespace tsn {

class DirPanel : public QFrame {
    Q_OBJECT
public:
    explicit DirPanel(QWidget* parent = nullptr);
    // Shows the folder in the tree and its level files in the list.
    void SetFolder(const QString& folder);
    QString Folder() const { return folder_; }
    QListView* Files() const { return files_; }
    QTreeView* Folders() const { return folders_; }
    QFileSystemModel* FileModel() const { return fileModel_; }

    // The name patterns of the files listed (any letter case).
    static QStringList FilePatterns();

signals:
    void fileChosen(const QString& path);
    void fileActivated(const QString& path);

private:
    QFileSystemModel* dirModel_;
    QFileSystemModel* fileModel_;
    QTreeView* folders_;
    QListView* files_;
    QString folder_;
};

}  // namespace tsn
