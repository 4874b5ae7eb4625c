// The main window on a test level set, headless: a key starts a run, frames run, Murphy moves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/view_controller.h"
#include "presentation/scroll_buffer.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

// Runs frames a frame time apart on the session's own clock until `frames` have run.
void RunFrames(GameSession& g, int frames, int& counted) {
    for (int i = 0; i < 1000 && counted < frames; ++i) g.Tick();
}

TEST(MainWindow, SpaceStartsARunAndTheArrowMovesMurphy) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    WindowState& s = w.State();
    ASSERT_TRUE(s.LevelLoaded);
    EXPECT_TRUE(w.Caption().startsWith("Tessarin v."));
    EXPECT_TRUE(w.Caption().endsWith(" - LEVELS.DAT"));

    int frames = 0;
    int start = -1;
    QString runningCaption;
    QObject::connect(&w.Session(), &GameSession::frameDone, &w, [&] {
        if (++frames != 1) return;
        start = s.MurphyPos;
        runningCaption = w.Caption();
        QTest::keyRelease(&w, Qt::Key_Space);
        QTest::keyPress(&w, Qt::Key_Right);
    });
    QTest::keyPress(&w, Qt::Key_Space);
    w.Session().Tick();  // the idle poll starts the run
    RunFrames(w.Session(), 60, frames);
    QTest::keyRelease(&w, Qt::Key_Right);

    EXPECT_EQ(start, 5 * 60 + 5);
    EXPECT_GT(s.MurphyPos, start);  // Murphy went right
    EXPECT_EQ(s.MurphyPos / 60, 5);  // along his row
    EXPECT_TRUE(runningCaption.endsWith(" - (FPS Fastest possible)"));
}

TEST(MainWindow, ClosingDuringARunEndsTheRunFirst) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    WindowState& s = w.State();
    w.Session().PlayCommand();
    w.Session().Tick();
    ASSERT_EQ(s.MainLoopActive, 1);
    EXPECT_TRUE(w.close());
    EXPECT_EQ(w.Session().CurrentPhase(), GameSession::Phase::Idle);
    EXPECT_EQ(s.GameRunning, 0);
    EXPECT_EQ(s.MainLoopActive, 0);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(s.LastRunFile)));  // its end steps ran
    EXPECT_FALSE(w.isVisible());
}

TEST(MainWindow, ZoomRebuildsTheView) {
    test::WindowFixture f;
    ViewController& v = f.window->View();
    ASSERT_NE(v.Scroll(), nullptr);
    EXPECT_EQ(v.Scroll()->Width(), 62 * 32);
    v.MenuStretch(16);
    EXPECT_FLOAT_EQ(v.ctx.Stretch, 2.0f);
    EXPECT_EQ(v.CheckedZoomItem(), 16);
    EXPECT_EQ(v.Scroll()->Width(), 62 * 32);  // the buffer stays at natural size
}

TEST(MainWindow, ADamagedSpriteSheetEndsTheProgramThroughTheShutdownSequence) {
    struct Case {
        const char* name;
        std::optional<QByteArray> sheet;
        bool digestWrong;
    };
    const Case cases[] = {
        {"wrong digest", std::nullopt, true},
        {"zero length", QByteArray(), false},
        {"not a bitmap", QByteArray("BM not really a bitmap"), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        test::BoxAnswerer boxes;
        test::WindowFixture f(c.sheet, c.digestWrong);
        EXPECT_FALSE(f.loaded);
        EXPECT_TRUE(f.window->FatalShown());
        EXPECT_EQ(boxes.title, "Fatal Error");
        EXPECT_EQ(boxes.text, "The File tsn32.bmp is not a valid bitmap file.");
        EXPECT_FALSE(QFileInfo::exists(f.dir.filePath("tmp0x00000001.tsn")));
        EXPECT_TRUE(f.store->contains("Config/LastPath"));  // the settings were saved
    }
}

TEST(MainWindow, ALevelThatCannotBeReadIsReportedAndTheRunStillStarts) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    ASSERT_TRUE(QFile::remove(f.dir.filePath("data/levels/LEVELS.DAT")));
    test::BoxAnswerer boxes;
    w.Session().PlayCommand();
    EXPECT_EQ(boxes.title, "Error");
    EXPECT_EQ(boxes.text, "Failed loading level. sub subFetchAndInitLevel");
    EXPECT_EQ(w.Session().CurrentPhase(), GameSession::Phase::Running);  // it ends by itself
}

TEST(MainWindow, AFileThatCannotBeReadIsNotRemembered) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    const std::string before = w.State().CurrentLevelFile;
    const QString bad = f.dir.filePath("broken.tsn");
    QFile file(bad);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a level container");
    file.close();
    test::BoxAnswerer boxes;
    EXPECT_FALSE(w.InitNewLevelFile(bad));
    EXPECT_EQ(boxes.title, "Application Error");
    EXPECT_EQ(w.State().CurrentLevelFile, before);
    EXPECT_TRUE(w.State().LevelLoaded);
    w.SaveAllSettings();
    EXPECT_EQ(f.store->value("Config/LastPath").toString(), QString::fromStdString(before));
}

// One corridor: exit, space, RAM, space, Murphy, a red disk, space, space. Only a second
// red disk opens the way to the exit, and Murphy finds only one.
QByteArray RedDiskCorridor() {
    QByteArray field(60 * 24, '\x06');
    const char corridor[] = {7, 0, 5, 0, 3, 20, 0, 0};
    for (int x = 0; x < 8; ++x) field[5 * 60 + 1 + x] = corridor[x];
    QByteArray info(96, '\0');
    const QByteArray title("RED DISK TWICE         ");
    for (int i = 0; i < 23; ++i) info[6 + i] = title[i];
    return field + info;
}

// With the default options Murphy may pick up the disk he laid himself and lay it again: he
// takes the disk, lays it, steps off and back onto it, gets clear of the blast, lays it a
// second time to open the RAM, and leaves. The run recorded by the window replays to the
// same end under the command line's default rules.
TEST(MainWindow, ARunWithTheRedDiskCheatVerifiesInTheCommandLine) {
    test::WindowFixture f(std::nullopt, false, RedDiskCorridor());
    MainWindow& w = *f.window;
    WindowState& s = w.State();
    // Actions from the second frame on (the first one still sees the space bar that started
    // the run): 0 none, 2 left, 4 right, 9 space alone.
    const std::vector<std::pair<int, int>> script = {
        {4, 9}, {0, 1}, {9, 64}, {2, 8}, {4, 9}, {2, 16}, {0, 30},
        {9, 64}, {4, 16}, {0, 40}, {2, 40}, {0, 100}};
    std::vector<int> actions;
    for (const auto& [action, frames] : script) actions.insert(actions.end(), frames, action);
    const auto keyOf = [](int action) {
        return action == 2 ? Qt::Key_Left : action == 4 ? Qt::Key_Right : Qt::Key_Space;
    };
    int frames = 0;
    int held = 9;
    std::string path;  // Murphy's cell every 8 frames, for the failure message
    QObject::connect(&w.Session(), &GameSession::frameDone, &w, [&] {
        const int next =
            frames < static_cast<int>(actions.size()) ? actions[static_cast<size_t>(frames)] : 0;
        ++frames;
        if (frames % 8 == 0) path += std::to_string(s.MurphyPos) + " ";
        if (frames > static_cast<int>(actions.size())) w.Session().Stop();
        if (next == held) return;
        if (held != 0) QTest::keyRelease(&w, keyOf(held));
        if (next != 0) QTest::keyPress(&w, keyOf(next));
        held = next;
    });
    QTest::keyPress(&w, Qt::Key_Space);
    w.Session().Tick();  // the idle poll starts the run
    for (int i = 0; i < 5000 && w.Session().CurrentPhase() != GameSession::Phase::Idle; ++i)
        w.Session().Tick();

    ASSERT_EQ(s.LevelSolved, 1) << "the window's run did not reach the exit: " << path;
    const QString file = QString::fromStdString(s.LastRunFile);
    ASSERT_TRUE(QFileInfo::exists(file));

    const auto verify = [&file](const QStringList& options) {
        QProcess cli;
        cli.start(QStringLiteral(TESSARIN_CLI),
                  QStringList{QStringLiteral("verify")} + options + QStringList{file});
        EXPECT_TRUE(cli.waitForFinished(10000));
        const QStringList lines = QString::fromUtf8(cli.readAllStandardOutput()).split('\n');
        return lines.size() >= 2 ? lines[1].split('\t') : QStringList();
    };
    const QStringList row = verify({});
    ASSERT_EQ(row.size(), 7);
    EXPECT_EQ(row[5], QStringLiteral("Success"));
    EXPECT_EQ(row[3], row[4]);  // frames read and frames played
    EXPECT_EQ(row[4].toLongLong(), frames);
    // Without the cheat the second disk cannot be laid and the RAM stays shut.
    const QStringList strict =
        verify({QStringLiteral("--rules"), QStringLiteral("red-disk-cheat=off")});
    ASSERT_EQ(strict.size(), 7);
    EXPECT_EQ(strict[5], QStringLiteral("Failed"));
}

}  // namespace
}  // namespace tsn
