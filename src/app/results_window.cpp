#include "app/results_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

#include "app/bgr_color.h"
#include "files/paths.h"
#include "files/safe_write.h"
#include "run/results_workbook.h"

namespace tsn {

namespace {

constexpr int kColumnTwips[8] = {0, 700, 1000, 700, 1200, 1300, 800, 3000};
const char* const kTitles[8] = {"ID", "File N", "Path", "Steps", "Frames Read", "Frames Played",
                                "Solved", "Error"};
constexpr int kPathColumn = 2;
constexpr int kRowRole = Qt::UserRole;

// Colours given as blue-green-red numbers.
const uint32_t kEqualColour = 0xFF8080;
const uint32_t kDifferColour = 255;
const uint32_t kSuccessColour = 65280;

bool NumericColumn(int column) { return column == 1 || column == 3 || column == 4 || column == 5; }

// A list row: numbers sort as numbers.
class ResultItem : public QTreeWidgetItem {
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem& other) const override {
        const int column = treeWidget() != nullptr ? treeWidget()->sortColumn() : 0;
        if (NumericColumn(column)) return text(column).toLongLong() < other.text(column).toLongLong();
        return text(column) < other.text(column);
    }
};

}  // namespace

ResultsWindow::ResultsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName("ShowResults");
    setWindowTitle("Results");
    setAttribute(Qt::WA_QuitOnClose, false);  // the program ends with its main window
    openFile = [](const QString& path) { return QDesktopServices::openUrl(QUrl::fromLocalFile(path)); };

    auto* menu = new QMenuBar(this);
    QMenu* exportMenu = menu->addMenu("&Export");
    mnuFile_ = exportMenu->addAction("To &Text File", this, [this] { ExportText(); });
    mnuFile_->setObjectName("mnuFile");
    mnuExcel_ = exportMenu->addAction("To &Spreadsheet", this, [this] { ExportSpreadsheet(); });
    mnuExcel_->setObjectName("mnuExcel");

    list_ = new QTreeWidget(this);
    list_->setObjectName("lstResults");
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setColumnCount(8);
    list_->setHeaderLabels({kTitles, kTitles + 8});
    const int dpi = logicalDpiX();
    for (int c = 0; c < 8; ++c) list_->setColumnWidth(c, kColumnTwips[c] * dpi / 1440);
    list_->setColumnHidden(0, true);
    list_->header()->setSectionsClickable(true);
    list_->header()->setSortIndicatorShown(false);
    connect(list_->header(), &QHeaderView::sectionClicked, this, [this](int c) { SortByColumn(c); });
    connect(list_, &QTreeWidget::itemClicked, this, [](QTreeWidgetItem* item, int) {
        QClipboard* clip = QApplication::clipboard();
        clip->clear();
        clip->setText(item->text(kPathColumn));
    });

    auto button = [this](const char* name, const QString& text, void (ResultsWindow::*signal)()) {
        auto* b = new QPushButton(text, this);
        b->setObjectName(name);
        connect(b, &QPushButton::clicked, this, signal);
        return b;
    };
    cmdDefaultSpeed_ = button("cmdDefaultSpeed", "Default Speed", &ResultsWindow::defaultSpeedClicked);
    cmdFastestSpeed_ = button("cmdFastestSpeed", "Fastest", &ResultsWindow::fastestSpeedClicked);
    cmdNoDisplay_ = button("cmdNoDisplay", "No Display", &ResultsWindow::noDisplayClicked);
    cmdSkipLevel_ = button("cmdSkipLevel", "Skip", &ResultsWindow::skipClicked);
    cmdStopAll_ = button("cmdStopAll", "Stop All", &ResultsWindow::stopAllClicked);
    okButton_ = new QPushButton("Close", this);
    okButton_->setObjectName("OKButton");
    connect(okButton_, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdDefaultSpeed_, cmdFastestSpeed_, cmdNoDisplay_, cmdSkipLevel_, cmdStopAll_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(okButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menu);
    layout->addWidget(list_);
    layout->addLayout(buttons);
    // Page Up and Page Down change the demo speed while the check runs (the list would scroll).
    list_->installEventFilter(this);
    resize(720, 400);
    SetRunningControls();
}

void ResultsWindow::SetRunningControls() {
    okButton_->setEnabled(!running_);
    for (QPushButton* b : {cmdDefaultSpeed_, cmdFastestSpeed_, cmdNoDisplay_, cmdSkipLevel_, cmdStopAll_})
        b->setEnabled(running_);
    // A list still being filled is not exported.
    mnuFile_->setEnabled(!running_);
    mnuExcel_->setEnabled(!running_);
}

void ResultsWindow::Begin() {
    list_->clear();
    rows_.clear();
    lastItem_ = nullptr;
    sortColumn_ = -1;
    descending_ = false;
    running_ = true;
    exported_ = true;
    SetRunningControls();
}

void ResultsWindow::End() {
    running_ = false;
    setWindowTitle("Results");
    SetRunningControls();
}

void ResultsWindow::AddRow(int fileNumber, const QString& path) {
    VerificationRow row;
    row.fileNumber = fileNumber;
    row.path = path.toStdString();
    rows_.push_back(row);
    auto* item = new ResultItem(list_);
    item->setData(0, kRowRole, static_cast<int>(rows_.size() - 1));
    item->setText(1, QStringLiteral("%1").arg(fileNumber, 5, 10, QLatin1Char('0')));
    item->setText(kPathColumn, path);
    lastItem_ = item;
    list_->setCurrentItem(item);
    list_->scrollToItem(item);
    exported_ = false;
}

void ResultsWindow::FillLastRow(const VerificationRow& row) {
    if (lastItem_ == nullptr) return;
    rows_[static_cast<size_t>(lastItem_->data(0, kRowRole).toInt())] = row;
    const auto texts = RowTexts(row);
    for (int c = 1; c <= 7; ++c) lastItem_->setText(c, QString::fromStdString(texts[static_cast<size_t>(c - 1)]));
    const QColor frames = ColorFromBgr(row.framesRead == row.framesPlayed ? kEqualColour : kDifferColour);
    lastItem_->setForeground(4, frames);
    lastItem_->setForeground(5, frames);
    lastItem_->setForeground(6, ColorFromBgr(row.solved == "Success" ? kSuccessColour : kEqualColour));
    exported_ = false;
}

std::vector<VerificationRow> ResultsWindow::RowsInListOrder() const {
    std::vector<VerificationRow> rows;
    for (int i = 0; i < list_->topLevelItemCount(); ++i)
        rows.push_back(rows_[static_cast<size_t>(list_->topLevelItem(i)->data(0, kRowRole).toInt())]);
    return rows;
}

void ResultsWindow::SortByColumn(int column) {
    descending_ = column == sortColumn_ ? !descending_ : false;
    sortColumn_ = column;
    list_->sortItems(column, descending_ ? Qt::DescendingOrder : Qt::AscendingOrder);
    if (QTreeWidgetItem* item = list_->currentItem()) list_->scrollToItem(item);
}

QString ResultsWindow::Export(const QString& name,
                              const std::function<FileStatus(const std::string&)>& write) {
    const auto folder = UserSubFolder(kLogsFolder);
    FileStatus written = folder.status();
    const QString path = folder ? QDir(QString::fromStdString(*folder)).filePath(name) : QString();
    if (written) written = write(path.toStdString());
    if (!written) {
        QMessageBox::warning(this, "Application Error", QString::fromStdString(written.error().Text()));
        return {};
    }
    exported_ = true;
    if (!openFile || !openFile(path)) {
        QMessageBox::information(this, windowTitle(),
                                 "No application opened the file. It was saved as " +
                                     QDir::toNativeSeparators(path) + ".");
    }
    return path;
}

QString ResultsWindow::ExportText() {
    const std::string text = ResultsText(RowsInListOrder());
    return Export("result.txt", [&](const std::string& path) {
        return WriteFileSafely(path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()},
                               "ExportText");
    });
}

QString ResultsWindow::ExportSpreadsheet() {
    const auto rows = RowsInListOrder();
    return Export("result.xlsx", [&](const std::string& path) { return WriteResultsWorkbook(path, rows); });
}

void ResultsWindow::closeEvent(QCloseEvent* event) {
    if (running_) {
        event->ignore();
        return;
    }
    if (!exported_ && !rows_.empty()) {
        const auto answer = QMessageBox::warning(this, "Not Saved", "Do you want to exit whitout saving?",
                                                 QMessageBox::Ok | QMessageBox::Cancel);
        if (answer != QMessageBox::Ok) {
            event->ignore();
            return;
        }
        exported_ = true;  // the results are given up
    }
    event->accept();
}

bool ResultsWindow::SpeedKey(const QKeyEvent& event) {
    if (!running_ || (event.key() != Qt::Key_PageUp && event.key() != Qt::Key_PageDown)) return false;
    emit speedKey(event.key() == Qt::Key_PageUp);
    return true;
}

bool ResultsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_ && event->type() == QEvent::KeyPress)
        return SpeedKey(static_cast<const QKeyEvent&>(*event));
    return QWidget::eventFilter(watched, event);
}

void ResultsWindow::keyPressEvent(QKeyEvent* event) {
    if (!SpeedKey(*event)) QWidget::keyPressEvent(event);
}

}  // namespace tsn
