#include "app/dir_panel.h"

#include <QFileSystemModel>
#include <QHeaderView>
#include <QListView>
#include <QSplitter>
#include <QTreeView>
#include <QVBoxLayout>

namespace tsn {

QStringList DirPanel::FilePatterns() { return {"*.dat", "*.d??", "*.qv", "*.tsn"}; }

DirPanel::DirPanel(QWidget* parent) : QFrame(parent) {
    setObjectName("frmQuorvaneMode");
    setFrameShape(QFrame::StyledPanel);
    dirModel_ = new QFileSystemModel(this);
    dirModel_->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    dirModel_->setRootPath(QString());
    fileModel_ = new QFileSystemModel(this);
    fileModel_->setFilter(QDir::Files);
    fileModel_->setNameFilters(FilePatterns());  // matched without regard to case
    fileModel_->setNameFilterDisables(false);

    folders_ = new QTreeView;
    folders_->setObjectName("Dir1");
    folders_->setModel(dirModel_);
    for (int c = 1; c < dirModel_->columnCount(); ++c) folders_->hideColumn(c);
    folders_->header()->hide();
    files_ = new QListView;
    files_->setObjectName("File1");
    files_->setModel(fileModel_);

    auto* split = new QSplitter(Qt::Vertical);
    split->addWidget(folders_);
    split->addWidget(files_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(split);
    setMinimumWidth(200);
    for (QWidget* w : std::initializer_list<QWidget*>{folders_, files_})
        w->setFocusPolicy(Qt::NoFocus);  // the keys belong to the game

    connect(folders_, &QTreeView::clicked, this,
            [this](const QModelIndex& i) { SetFolder(dirModel_->filePath(i)); });
    connect(files_, &QListView::clicked, this,
            [this](const QModelIndex& i) { emit fileChosen(fileModel_->filePath(i)); });
    connect(files_, &QListView::doubleClicked, this,
            [this](const QModelIndex& i) { emit fileActivated(fileModel_->filePath(i)); });
}

void DirPanel::SetFolder(const QString& folder) {
    if (folder.isEmpty()) return;
    folder_ = folder;
    const QModelIndex dir = dirModel_->index(folder);
    folders_->setCurrentIndex(dir);
    folders_->scrollTo(dir);
    files_->setRootIndex(fileModel_->setRootPath(folder));
}

}  // namespace tsn
