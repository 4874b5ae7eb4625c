// The main window on a test level set, headless: a key starts a run, frames run, Murphy moves.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/view_controller.h"
#include "presentation/scroll_buffer.h"
#include "sprite_sheet_fixture.h"

namespace tsn {
namespace {

// A level set of two 60 x 24 levels: Murphy at (5, 5) with open space to his right.
QByteArray TestSet() {
    QByteArray set;
    for (int level = 1; level <= 2; ++level) {
        QByteArray field(60 * 24, '\0');
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 60; ++x)
                if (x == 0 || y == 0 || x == 59 || y == 23) field[y * 60 + x] = 6;
        field[5 * 60 + 5] = 3;
        field[20 * 60 + 50] = 7;
        QByteArray info(96, '\0');
        info[5] = static_cast<char>(132);
        const QByteArray title = QStringLiteral("----- TEST LEVEL %1 -----").arg(level).left(23).toLatin1();
        for (int i = 0; i < 23; ++i) info[6 + i] = i < title.size() ? title[i] : ' ';
        set += field + info;
    }
    return set;
}

struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<QSettings> store;
    std::unique_ptr<MainWindow> window;

    Fixture() {
        QDir(dir.path()).mkpath("data/levels");
        test::MakeSheet().save(dir.filePath("data/tsn32.bmp"), "BMP");
        QFile set(dir.filePath("data/levels/LEVELS.DAT"));
        EXPECT_TRUE(set.open(QIODevice::WriteOnly));
        set.write(TestSet());
        set.close();
        qputenv("TESSARIN_HOME", dir.filePath("home").toLocal8Bit());
        store = std::make_unique<QSettings>(dir.filePath("settings.ini"), QSettings::IniFormat);
        store->beginGroup("Config");
        store->setValue("ShowSplash", "False");
        store->setValue("DefaultPlayerName", "Tester");
        store->setValue("DefaultPlayerEmail", "tester@example.org");
        store->setValue("GLOBALSOUND", "True");
        store->setValue("GetReadyTime", "0");
        store->setValue("FrameDelayPlay", "0");
        store->setValue("gStretch", "1");
        store->setValue("WinState", "0");
        store->endGroup();
        StartupData data;
        data.dataFolder = dir.filePath("data");
        window = std::make_unique<MainWindow>(data, store.get());
        window->resize(900, 600);
        window->show();
        EXPECT_TRUE(window->Load());
        QCoreApplication::processEvents();
    }
};

TEST(MainWindow, SpaceStartsARunAndTheArrowMovesMurphy) {
    Fixture f;
    MainWindow& w = *f.window;
    GameState& s = w.State();
    ASSERT_TRUE(s.LevelLoaded);
    EXPECT_TRUE(w.Caption().startsWith("Tessarin v."));
    EXPECT_TRUE(w.Caption().endsWith(" - LEVELS.DAT"));

    int frames = 0;
    int start = -1, end = -1;
    QString runningCaption;
    QObject::connect(&w.Session(), &GameSession::frameDone, &w, [&] {
        ++frames;
        if (frames == 1) {
            start = s.MurphyPos;
            runningCaption = w.Caption();
            QTest::keyRelease(&w, Qt::Key_Space);
            QTest::keyPress(&w, Qt::Key_Right);
        }
        if (frames == 60) {
            end = s.MurphyPos;
            QTest::keyRelease(&w, Qt::Key_Right);
            w.Session().Stop();
        }
    });
    QTest::keyPress(&w, Qt::Key_Space);
    w.Session().IdlePoll();  // the run happens inside this poll

    EXPECT_EQ(frames, 60);
    EXPECT_EQ(start, 5 * 60 + 5);
    EXPECT_GT(end, start);              // Murphy went right
    EXPECT_EQ(end / 60, 5);             // along his row
    EXPECT_TRUE(runningCaption.endsWith(" - (FPS Fastest possible)"));
    EXPECT_EQ(s.GameRunning, 0);
    EXPECT_EQ(s.MainLoopActive, 0);
    // The run's level and actions went into a temporary container.
    EXPECT_TRUE(s.LevelHasDemo);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(s.LastRunFile)));
}

TEST(MainWindow, RestartEndsTheRunBeforeTheNewOneStarts) {
    Fixture f;
    MainWindow& w = *f.window;
    GameState& s = w.State();
    int runs = 0, frames = 0;
    bool previousRunFinished = false;
    QObject::connect(&w.Session(), &GameSession::runStarted, &w, [&] {
        ++runs;
        frames = 0;
        if (runs == 2) previousRunFinished = !s.LastRunFile.empty();
    });
    QObject::connect(&w.Session(), &GameSession::frameDone, &w, [&] {
        ++frames;
        if (runs == 1 && frames == 1) QTest::keyRelease(&w, Qt::Key_Space);
        if (runs == 1 && frames == 5) QTest::keyPress(&w, Qt::Key_R);
        if (runs == 2 && frames == 1) QTest::keyRelease(&w, Qt::Key_R);
        if (runs == 2 && frames == 10) w.Session().Stop();
        if (runs > 2) w.Session().Stop();
    });
    QTest::keyPress(&w, Qt::Key_Space);
    w.Session().IdlePoll();
    EXPECT_EQ(runs, 2);
    EXPECT_TRUE(previousRunFinished);
    EXPECT_EQ(frames, 10);
    EXPECT_EQ(s.MainLoopActive, 0);
}

TEST(MainWindow, ZoomRebuildsTheViewAndPausingFreezesTheGame) {
    Fixture f;
    MainWindow& w = *f.window;
    ViewController& v = w.View();
    ASSERT_NE(v.Scroll(), nullptr);
    EXPECT_EQ(v.Scroll()->Width(), 62 * 32);
    v.MenuStretch(16);
    EXPECT_FLOAT_EQ(v.ctx.Stretch, 2.0f);
    EXPECT_EQ(v.CheckedZoomItem(), 16);
    EXPECT_EQ(v.Scroll()->Width(), 62 * 32);  // the buffer stays at natural size

    GameState& s = w.State();
    int frames = 0;
    int64_t framesWhilePaused = -1;
    QObject::connect(&w.Session(), &GameSession::frameDone, &w, [&] {
        ++frames;
        if (frames == 1) QTest::keyRelease(&w, Qt::Key_Space);
        if (frames == 3) {
            w.Session().TogglePause();
            // Paused: the loop idles; a timer unpauses after a while and the run goes on.
            QTimer::singleShot(100, &w, [&] {
                framesWhilePaused = s.Frames();
                w.Session().TogglePause();
            });
        }
        if (frames == 6) w.Session().Stop();
    });
    QTest::keyPress(&w, Qt::Key_Space);
    w.Session().IdlePoll();
    EXPECT_EQ(framesWhilePaused, 3);
    EXPECT_EQ(frames, 6);
}

TEST(MainWindow, EscapeAfterAPauseOnlyRearms) {
    Fixture f;
    MainWindow& w = *f.window;
    GameState& s = w.State();
    int frames = 0;
    int16_t leadOutAfterFirstEsc = -1, leadOutAfterSecondEsc = -1;
    QObject::connect(&w.Session(), &GameSession::frameDone, &w, [&] {
        ++frames;
        if (frames == 1) QTest::keyRelease(&w, Qt::Key_Space);
        if (frames == 3) {
            w.Session().TogglePause();
            QTimer::singleShot(50, &w, [&] {
                QTest::keyPress(&w, Qt::Key_Escape);  // pressed while paused: nothing yet
                w.Session().TogglePause();
            });
        }
        if (frames == 4) leadOutAfterFirstEsc = s.LeadOutCounter;
        if (frames == 5) {
            leadOutAfterSecondEsc = s.LeadOutCounter;
            QTest::keyRelease(&w, Qt::Key_Escape);
            w.Session().Stop();
        }
    });
    QTest::keyPress(&w, Qt::Key_Space);
    w.Session().IdlePoll();
    EXPECT_EQ(leadOutAfterFirstEsc, 0);   // the first Esc only re-arms
    EXPECT_EQ(leadOutAfterSecondEsc, 63); // still held: Murphy is killed, the lead-out runs
}

}  // namespace
}  // namespace tsn
