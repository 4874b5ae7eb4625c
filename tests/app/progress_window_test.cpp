// The player's progress in the main window: runs recorded in the progress mode only, the
// list's icons and statistics, the skip menu's rules, the game-mode menu and damaged files.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>

#include "app/dir_panel.h"
#include "app/game_session.h"
#include "app/main_window.h"
#include "files/player_file.h"
#include "files/player_progress.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;

// One run of the selected level that ends as solved or not, after `seconds` of game time and
// `steps` steps.
void PlayOnce(MainWindow& w, bool solved, int steps, int seconds = 0) {
    GameSession& g = w.Session();
    g.PlayCommand();
    for (int i = 0; i < 50 && g.CurrentPhase() != Phase::Running; ++i) g.Tick();
    g.Tick();
    ASSERT_EQ(g.CurrentPhase(), Phase::Running);
    w.State().LevelSolved = solved ? 1 : 0;
    w.State().StepCount = static_cast<int16_t>(steps);
    w.State().FrameCounter = int64_t{seconds} * 35 * 10000;
    g.Stop();
    // The run ends; after a failed save the program ends with it.
    const auto over = [&] { return g.CurrentPhase() == Phase::Idle || g.CurrentPhase() == Phase::Halted; };
    for (int i = 0; i < 50 && !over(); ++i) g.Tick();
    ASSERT_TRUE(over());
}

QAction* MenuItem(MainWindow& w, const QString& text) {
    for (QAction* a : w.findChildren<QAction*>())
        if (a->text() == text) return a;
    return nullptr;
}

QStringList Labels(MainWindow& w) {
    QStringList texts;
    for (const QLabel* label : w.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

// A level set of `count` copies of the test levels.
QString LongSet(test::WindowFixture& f, const QString& name, int pairs) {
    const QString path = f.dir.filePath(name);
    QFile set(path);
    EXPECT_TRUE(set.open(QIODevice::WriteOnly));
    for (int i = 0; i < pairs; ++i) set.write(test::TestSet());
    return path;
}

TEST(ProgressWindow, RunsAreRecordedAndOutliveARestart) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    ASSERT_FALSE(w.PlayerFileName().empty());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(w.PlayerFileName())));
    ASSERT_EQ(w.LevelList()->currentIndex(), 0);

    PlayOnce(w, false, 20, 30);  // lost: counted, still not played
    EXPECT_EQ(w.Progress().progress[0].state, kNotPlayed);
    EXPECT_EQ(w.Progress().progress[0].runs, 1);
    EXPECT_EQ(w.LevelList()->currentIndex(), 0);
    PlayOnce(w, true, 42, 100);  // solved: the next level to play is chosen
    EXPECT_EQ(w.LevelList()->currentIndex(), 1);
    EXPECT_EQ(w.State().CurrentLevelNumber, 2);
    EXPECT_EQ(w.LevelList()->itemData(0).toInt(), kSolved);

    const auto onDisk = LoadPlayerFile(w.PlayerFileName());
    ASSERT_TRUE(onDisk.ok());
    const LevelProgressEntry& e = onDisk->progress[0];
    EXPECT_EQ(e.state, kSolved);
    EXPECT_EQ(e.runs, 2);
    EXPECT_EQ(e.steps, 62);
    EXPECT_EQ(e.bestSteps, 42);
    EXPECT_EQ(e.playTime, 130000);

    // A new start of the program shows the same progress.
    const std::string playerFile = w.PlayerFileName();
    f.window->Unload();
    f.window.reset();
    StartupData data;
    data.dataFolder = f.dir.filePath("data");
    MainWindow again(data, f.store.get());
    ASSERT_TRUE(again.Load());
    EXPECT_EQ(again.PlayerFileName(), playerFile);
    EXPECT_EQ(again.LevelList()->itemData(0).toInt(), kSolved);
    EXPECT_EQ(again.LevelList()->itemData(1).toInt(), kNotPlayed);
    again.SelectLevel(0);
    const QStringList labels = Labels(again);
    EXPECT_TRUE(labels.contains("62"));        // total steps
    EXPECT_TRUE(labels.contains("42"));        // best steps
    EXPECT_TRUE(labels.contains("00:02:10"));  // level time and all levels' time
    EXPECT_EQ(labels.count("00:02:10"), 2);
}

TEST(ProgressWindow, FreePlayRecordsNothingAndTheMenuSwitchesBothWays) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    QAction* freePlay = MenuItem(w, "Free Play");
    QAction* progress = MenuItem(w, "Quorvane");
    ASSERT_TRUE(freePlay && progress);
    EXPECT_TRUE(progress->isChecked());
    EXPECT_FALSE(freePlay->isChecked());

    w.Config().ShowDirPanel = true;
    freePlay->trigger();
    EXPECT_TRUE(w.DirectoryPanel()->isVisibleTo(&w));
    EXPECT_TRUE(MenuItem(w, "Show &Dir Panel")->isEnabled());
    EXPECT_TRUE(freePlay->isChecked());
    EXPECT_FALSE(progress->isChecked());
    EXPECT_EQ(w.Session().GameMode, kFreePlay);
    f.store->beginGroup("Config");
    EXPECT_EQ(f.store->value("GameMode").toInt(), 1);
    f.store->endGroup();

    const QByteArray before = [&] {
        QFile file(QString::fromStdString(w.PlayerFileName()));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly));
        return file.readAll();
    }();
    w.SelectLevel(1);  // any level may be chosen
    EXPECT_EQ(w.LevelList()->currentIndex(), 1);
    PlayOnce(w, true, 10, 5);
    PlayOnce(w, false, 10, 5);
    w.LevelListRightClick(1, {});
    EXPECT_FALSE(w.SkipMenu()->isVisible());
    QFile file(QString::fromStdString(w.PlayerFileName()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(w.Progress().progress[1].runs, 0);

    // Choosing the checked item switches as well; the progress mode starts on the first
    // level to play.
    freePlay->trigger();
    EXPECT_EQ(w.Session().GameMode, kProgressMode);
    EXPECT_TRUE(progress->isChecked());
    EXPECT_FALSE(freePlay->isChecked());
    EXPECT_EQ(w.LevelList()->currentIndex(), 0);
    EXPECT_FALSE(w.DirectoryPanel()->isVisibleTo(&w));
    EXPECT_FALSE(MenuItem(w, "Show &Dir Panel")->isEnabled());
    w.SelectLevel(1);  // past the first level to play: back
    EXPECT_EQ(w.LevelList()->currentIndex(), 0);
    EXPECT_EQ(w.State().CurrentLevelNumber, 1);
}

TEST(ProgressWindow, SkipMenuRules) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    ASSERT_TRUE(w.InitNewLevelFile(LongSet(f, "six.dat", 3)));
    ASSERT_EQ(w.LevelList()->count(), 6);
    QMenu* skip = w.SkipMenu();
    // The right button on the closed list acts on the level it shows.
    QTest::mouseClick(w.LevelList(), Qt::RightButton);
    EXPECT_TRUE(skip->isVisible());
    skip->hide();

    w.LevelListRightClick(2, {});  // an unplayed level before it: nothing
    EXPECT_FALSE(skip->isVisible());
    for (int i = 0; i < 3; ++i) {
        w.LevelListRightClick(i, {});
        ASSERT_TRUE(skip->isVisible()) << i;
        skip->hide();
        MenuItem(w, "Skip Level")->trigger();
        EXPECT_EQ(w.LevelList()->itemData(i).toInt(), kSkipped);
        EXPECT_EQ(w.LevelList()->currentIndex(), i + 1);
    }
    EXPECT_EQ(LoadPlayerFile(w.PlayerFileName())->progress[2].state, kSkipped);
    w.LevelListRightClick(3, {});
    EXPECT_FALSE(skip->isVisible());
    EXPECT_TRUE(Labels(w).contains("SKIP Not POSSIBLE"));
    w.LevelListRightClick(1, {});
    EXPECT_TRUE(Labels(w).contains("COLORBLIND I GUESS"));

    // Played and reset act on the selected level.
    MenuItem(w, "Played Level")->trigger();
    EXPECT_EQ(w.Progress().progress[3].state, kSolved);
    EXPECT_EQ(w.LevelList()->itemData(3).toInt(), kSolved);
    MenuItem(w, "Reset Level")->trigger();
    EXPECT_EQ(LoadPlayerFile(w.PlayerFileName())->progress[3].state, kNotPlayed);
}

TEST(ProgressWindow, CompletingTheLastLevelCongratulatesOnce) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    test::BoxAnswerer boxes;
    PlayOnce(w, true, 5);
    EXPECT_EQ(boxes.shown, 0);
    PlayOnce(w, true, 5);
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_EQ(boxes.title, "CONGRATULATIONS!!!");
    EXPECT_EQ(boxes.text, "YOU'VE COMPLETED ALL LEVELS! CONGRATULATIONS!!!");
    EXPECT_EQ(LoadPlayerFile(w.PlayerFileName())->allLevelsCompleted, 1);
    PlayOnce(w, true, 4);
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_EQ(w.Progress().progress[1].bestSteps, 4);
}

TEST(ProgressWindow, ACorruptPlayerFileIsSetAsideAndTheGameGoesOn) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    const QString path = QString::fromStdString(w.PlayerFileName());
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        file.seek(100);
        file.write("\x01", 1);
    }
    test::BoxAnswerer boxes;
    ASSERT_TRUE(w.InitNewLevelFile(f.dir.filePath("data/levels/LEVELS.DAT")));
    EXPECT_EQ(boxes.shown, 1);
    EXPECT_TRUE(boxes.text.startsWith("The player file is corrupt!"));
    EXPECT_TRUE(boxes.text.contains(path + ".corrupt"));
    EXPECT_FALSE(w.FatalShown());
    EXPECT_TRUE(QFileInfo::exists(path + ".corrupt"));
    EXPECT_TRUE(LoadPlayerFile(w.PlayerFileName()).ok());
    PlayOnce(w, false, 3);
    EXPECT_EQ(LoadPlayerFile(w.PlayerFileName())->progress[0].runs, 1);
}

TEST(ProgressWindow, LevelsPastTheTableHaveNoProgress) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    ASSERT_TRUE(w.InitNewLevelFile(LongSet(f, "long.dat", 60)));  // 120 levels
    w.SelectLevel(111);  // the progress mode sends a choice past the first level back
    EXPECT_EQ(w.LevelList()->currentIndex(), 0);
    MenuItem(w, "Free Play")->trigger();
    w.SelectLevel(111);
    ASSERT_EQ(w.LevelList()->currentIndex(), 111);
    PlayOnce(w, true, 7);
    MenuItem(w, "Quorvane")->trigger();
    w.LevelList()->setCurrentIndex(111);
    PlayOnce(w, true, 7);  // nothing is recorded and nothing past the table is written
    EXPECT_EQ(w.LevelList()->itemData(111).toInt(), kNotPlayed);
    EXPECT_EQ(w.Progress().TotalPlayTime(), 0);
    MenuItem(w, "Played Level")->trigger();
    EXPECT_EQ(w.LevelList()->itemData(111).toInt(), kNotPlayed);
    EXPECT_EQ(QFileInfo(QString::fromStdString(w.PlayerFileName())).size(), 4572);
}

TEST(ProgressWindow, AnAbandonedRunCountsAndAFailedSaveKeepsTheFile) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    const QString path = QString::fromStdString(w.PlayerFileName());
    w.Session().PlayCommand();
    for (int i = 0; i < 50 && w.Session().CurrentPhase() != Phase::Running; ++i) w.Session().Tick();
    w.close();  // closing the window during a run ends it unsolved
    EXPECT_EQ(LoadPlayerFile(w.PlayerFileName())->progress[0].runs, 1);

    test::WindowFixture g;
    MainWindow& v = *g.window;
    QFile file(QString::fromStdString(v.PlayerFileName()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();
    ASSERT_TRUE(file.setPermissions(QFileDevice::ReadOwner));
    test::BoxAnswerer boxes;
    PlayOnce(v, false, 9);
    EXPECT_TRUE(boxes.text.startsWith("ERROR Saving player file"));
    EXPECT_TRUE(v.FatalShown());  // the program ends after the message
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
}

}  // namespace
}  // namespace tsn
