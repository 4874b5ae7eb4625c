// File -> "Play Dir": a folder of demo files checked in the window, the results window's rows,
// sorting, skipping, stopping, closing and exports.
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>
#include <map>

#include "app/directory_batch.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "app/results_window.h"
#include "engine/run.h"
#include "files/qv_file.h"
#include "files/tsn_file.h"
#include "level_bytes.h"
#include "main_window_fixture.h"
#include "sample_levels.h"
#include "temp_dir.h"
#include "test_level.h"
#include "workbook_cells.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;

// The corridor level solved by its script and saved with the demo, less its last `cut` frames.
void SaveCorridorDemo(const QString& path, int cut = 0) {
    GameState s = test::MakeLevel(test::CorridorLevel());
    s.RandomSeed = 5;
    s.StartRandomSeed = 5;
    BeginRun(s);
    ASSERT_TRUE(RunHeadless(s, test::CorridorScript, 5000).solved);
    for (int i = 0; i < cut; ++i) s.DemoBuffer.RemoveLastDemoKey();
    s.Info.setRandomSeed(s.StartRandomSeed);
    const std::string file = path.toStdString();
    const FileStatus st = path.endsWith(".qv") ? SaveQV(s, file, false, testing::FixedOptions())
                                               : SaveTSN(s, file, false, false, testing::FixedOptions());
    ASSERT_TRUE(st) << st.error().Text();
}

void SaveWithoutDemo(const QString& path) {
    GameState s = test::MakeLevel(test::CorridorLevel());
    ASSERT_TRUE(SaveQV(s, path.toStdString(), true, testing::FixedOptions()));
}

struct PlayDir : ::testing::Test {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    GameSession& g = w.Session();
    DirectoryBatch& batch = w.Batch();
    test::BoxAnswerer boxes;
    QString folder = f.dir.filePath("demos");
    QStringList opened;

    PlayDir() {
        QDir().mkpath(folder + "/sub");
        g.MenuDemoSpeed(1);  // no display
    }
    ResultsWindow& results() { return *batch.Results(); }
    QTreeWidget& list() { return *results().List(); }
    QStringList Row(int i) {
        QStringList texts;
        for (int c = 1; c <= 7; ++c) texts << list().topLevelItem(i)->text(c);
        return texts;
    }
    // Runs the check's frames until it ends; `each` runs after every tick.
    void Drive(const std::function<void()>& each = {}) {
        for (int i = 0; i < 20000 && batch.Running(); ++i) {
            g.Tick();
            if (each) each();
        }
        ASSERT_FALSE(batch.Running());
    }
    void Click(const char* button) { results().findChild<QPushButton*>(button)->click(); }
    void Start() {
        batch.chooseFolder = [this](const QString&) { return folder; };
        batch.PlayDirCommand();
        results().openFile = [this](const QString& path) {
            opened << path;
            return true;
        };
    }
};

TEST_F(PlayDir, EveryKindOfFileGivesItsRowAndTheCommandLineAgrees) {
    SaveCorridorDemo(folder + "/solved.qv");
    SaveWithoutDemo(folder + "/sub/nodemo.QV");
    SaveCorridorDemo(folder + "/short.tsn", 80);  // runs out before the exit
    QFile bad(folder + "/unreadable.tsn");
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a level");
    bad.close();
    const std::string before = w.State().CurrentLevelFile;
    const int32_t demoSpeed = g.DemoSpeedSetting;

    Start();
    EXPECT_EQ(w.Config().PlayAllInitFolder, folder);
    Drive();

    // The "*.qv" files first, then the "*.tsn" files.
    ASSERT_EQ(list().topLevelItemCount(), 4);
    const QString solvedFrames = Row(0)[3];
    EXPECT_EQ(Row(0)[0], "00001");
    EXPECT_EQ(Row(0)[1], folder + "/solved.qv");
    EXPECT_EQ(Row(0)[4], solvedFrames);
    EXPECT_EQ(Row(0).mid(5), QStringList({"Success", ""}));
    EXPECT_EQ(Row(1), QStringList({"00002", folder + "/sub/nodemo.QV", "00000", "0", "0", "NA",
                                   "Demo not found!"}));
    EXPECT_EQ(Row(2).mid(5), QStringList({"Failed", "Recording is binary different"}));
    EXPECT_NE(Row(2)[3], Row(2)[4]);
    EXPECT_EQ(Row(3), QStringList({"00004", folder + "/unreadable.tsn", "00000", "0", "0", "NA",
                                   "Error opening file"}));
    const QColor same(0x80, 0x80, 0xFF), differ(Qt::red), green(0, 255, 0);
    EXPECT_EQ(list().topLevelItem(0)->foreground(4).color(), same);
    EXPECT_EQ(list().topLevelItem(0)->foreground(6).color(), green);
    EXPECT_EQ(list().topLevelItem(2)->foreground(5).color(), differ);
    EXPECT_EQ(list().topLevelItem(2)->foreground(6).color(), same);

    // Everything as before the check.
    EXPECT_EQ(w.State().CurrentLevelFile, before);
    EXPECT_EQ(w.State().PlayingDirectory, 0);
    EXPECT_EQ(g.DemoSpeedSetting, demoSpeed);
    EXPECT_TRUE(w.menuBar()->isEnabled());
    EXPECT_TRUE(results().findChild<QPushButton*>("OKButton")->isEnabled());
    EXPECT_FALSE(results().findChild<QPushButton*>("cmdStopAll")->isEnabled());
    EXPECT_FALSE(w.Caption().contains("Playing demo"));

    // The same verdicts and frame counts from the command line, and at the fastest speed.
    QProcess cli;
    cli.start(TESSARIN_CLI, {"verify", folder});
    ASSERT_TRUE(cli.waitForFinished(10000));
    std::map<QString, QStringList> byPath;
    for (const QString& line : QString::fromUtf8(cli.readAllStandardOutput()).split('\n')) {
        const QStringList fields = line.split('\t');
        if (fields.size() == 7) byPath[fields[1]] = fields.mid(2);
    }
    const auto windowRows = results().RowsInListOrder();
    g.MenuDemoSpeed(2);
    Start();
    Drive();
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(Row(i).mid(2), byPath[Row(i)[1]]);
        EXPECT_EQ(RowTexts(results().RowsInListOrder()[static_cast<size_t>(i)]),
                  RowTexts(windowRows[static_cast<size_t>(i)]));
    }
}

TEST_F(PlayDir, ShippedSolutionsSucceedWithoutDisplayAndExport) {
    // Every tenth level of the campaign (the whole set is verified by the command line).
    const QDir shipped(QStringLiteral(TESSARIN_TEST_SOURCE_DIR "/data/levels/solutions"));
    const QStringList demos = shipped.entryList({"*.qv"}, QDir::Files, QDir::Name);
    ASSERT_GE(demos.size(), 100);
    int copied = 0;
    for (int i = 0; i < demos.size(); i += 10, ++copied)
        ASSERT_TRUE(QFile::copy(shipped.filePath(demos[i]), folder + "/" + demos[i]));
    Start();
    Drive();
    ASSERT_EQ(list().topLevelItemCount(), copied);
    for (const auto& row : results().RowsInListOrder()) EXPECT_TRUE(row.succeeded()) << row.path;
    const QString text = results().ExportText();
    const QString sheet = results().ExportSpreadsheet();
    EXPECT_TRUE(QFile::exists(text) && QFile::exists(sheet));
    EXPECT_EQ(opened, QStringList({text, sheet}));
}

TEST_F(PlayDir, SkipMarksOnlyTheSkippedDemoAndCloseWaitsForTheEnd) {
    SaveCorridorDemo(folder + "/a.qv");
    SaveCorridorDemo(folder + "/b.qv");
    // The click comes between two frames of the first demo.
    int frames = 0;
    QObject::connect(&g, &GameSession::frameDone, &w, [&] {
        if (++frames != 10) return;
        results().close();  // refused while the check runs
        EXPECT_TRUE(results().isVisible());
        EXPECT_TRUE(w.Caption().endsWith(" - (Playing demo 1 of 2)"));
        EXPECT_EQ(results().windowTitle(), "Playing demo 1 of 2 :: PgUp/PgDn Change demo speed");
        // Page Up makes the demo faster: from no display to the fastest speed.
        EXPECT_EQ(g.DemoDelay, -1);
        QTest::keyClick(results().List(), Qt::Key_PageUp);
        EXPECT_EQ(g.DemoDelay, 0);
        Click("cmdSkipLevel");
    });
    Start();
    Drive();
    ASSERT_EQ(list().topLevelItemCount(), 2);
    EXPECT_EQ(Row(0).mid(5), QStringList({"Failed", "Skipped by player"}));
    EXPECT_EQ(Row(1).mid(5), QStringList({"Success", ""}));
    EXPECT_EQ(boxes.shown, 0);
}

TEST_F(PlayDir, StopAllDuringTheThirdOfTenLeavesThreeRowsAndTheLevelFileAsBefore) {
    for (int i = 0; i < 10; ++i) SaveCorridorDemo(folder + QStringLiteral("/%1.tsn").arg(i));
    const std::string before = w.State().CurrentLevelFile;
    Start();
    Drive([&] {
        if (list().topLevelItemCount() == 3 && g.CurrentPhase() == Phase::Running &&
            results().findChild<QPushButton*>("cmdStopAll")->isEnabled())
            Click("cmdStopAll");
    });
    ASSERT_EQ(list().topLevelItemCount(), 3);
    EXPECT_EQ(Row(1).mid(5), QStringList({"Success", ""}));
    EXPECT_EQ(Row(2)[5], "Failed");
    EXPECT_EQ(w.State().CurrentLevelFile, before);
    EXPECT_TRUE(results().findChild<QPushButton*>("OKButton")->isEnabled());
}

TEST_F(PlayDir, AnEmptyFolderEndsAtOnceAndClosesWithoutAsking) {
    Start();
    EXPECT_FALSE(batch.Running());
    EXPECT_EQ(list().topLevelItemCount(), 0);
    EXPECT_TRUE(results().findChild<QPushButton*>("OKButton")->isEnabled());
    EXPECT_TRUE(w.menuBar()->isEnabled());
    results().close();
    EXPECT_FALSE(results().isVisible());
    EXPECT_EQ(boxes.shown, 0);
}

// A finished list of three results, filled as the check fills it.
struct ResultsList : ::testing::Test {
    test::BoxAnswerer boxes;
    testing::TempDir home;
    ResultsWindow window;
    QStringList opened;
    bool openResult = true;

    ResultsList() {
        qputenv("TESSARIN_HOME", QString::fromStdString(home.path().string()).toLocal8Bit());
        window.openFile = [this](const QString& path) {
            opened << path;
            return openResult;
        };
        window.Begin();
        for (const int64_t played : {100, 9, 1000}) {
            VerificationRow row;
            row.fileNumber = window.List()->topLevelItemCount() + 1;
            row.path = "/demos/" + std::to_string(played) + ".qv";
            row.framesRead = 100;
            row.framesPlayed = played;
            SetVerdict(row, played == 100 ? 1 : 0, false);
            window.AddRow(row.fileNumber, QString::fromStdString(row.path));
            window.FillLastRow(row);
        }
        window.End();
        window.show();
    }
    QStringList Column(int c) {
        QStringList texts;
        for (int i = 0; i < window.List()->topLevelItemCount(); ++i) texts << window.List()->topLevelItem(i)->text(c);
        return texts;
    }
};

TEST_F(ResultsList, ATitleClickSortsNumbersAsNumbersAndASecondClickReverses) {
    window.SortByColumn(5);
    EXPECT_EQ(Column(5), QStringList({"9", "100", "1000"}));
    window.SortByColumn(5);
    EXPECT_EQ(Column(5), QStringList({"1000", "100", "9"}));
    window.SortByColumn(2);
    EXPECT_EQ(Column(2), QStringList({"/demos/100.qv", "/demos/1000.qv", "/demos/9.qv"}));

    window.List()->setCurrentItem(window.List()->topLevelItem(1));
    emit window.List()->itemClicked(window.List()->topLevelItem(1), 3);
    EXPECT_EQ(QApplication::clipboard()->text(), "/demos/1000.qv");
}

TEST_F(ResultsList, ExportsWriteTheListInItsOrderAndCloseNoLongerAsks) {
    window.SortByColumn(5);
    const QString text = window.ExportText();
    ASSERT_FALSE(text.isEmpty());
    EXPECT_TRUE(text.endsWith("/Logs/result.txt"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll().toStdString(),
              "ID,File N,Path,Steps,Frames Read,Frames Played,Solved,Error\r\n"
              "00002,/demos/9.qv,00000,100,9,Failed,Recording is binary different\r\n"
              "00001,/demos/100.qv,00000,100,100,Success,\r\n"
              "00003,/demos/1000.qv,00000,100,1000,Failed,Recording is binary different\r\n");

    openResult = false;  // no application for spreadsheets: the box says where the file is
    const QString sheet = window.ExportSpreadsheet();
    EXPECT_EQ(opened, QStringList({text, sheet}));
    ASSERT_EQ(boxes.shown, 1);
    EXPECT_TRUE(boxes.text.contains(sheet));
    if (testing::UnzipAvailable()) {
        const auto cells = testing::SheetCells(sheet.toStdString());
        EXPECT_EQ(cells.at("A1"), "File N");
        EXPECT_EQ(cells.at("A2"), "2");
        EXPECT_EQ(cells.at("B2"), "/demos/9.qv");
        EXPECT_EQ(cells.at("E4"), "1000");
        EXPECT_EQ(cells.at("G4"), "Recording is binary different");
        EXPECT_EQ(cells.count("G3"), 0u);
    }
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(boxes.shown, 1);
}

TEST_F(ResultsList, ClosingWithoutExportAsksAndCancelKeepsTheWindow) {
    boxes.answers = {QMessageBox::Cancel};
    window.close();
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(boxes.title, "Not Saved");
    EXPECT_EQ(boxes.text, "Do you want to exit whitout saving?");
    boxes.answers = {QMessageBox::Ok};
    window.close();
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(boxes.shown, 2);
}

}  // namespace
}  // namespace tsn
