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
#include "main_window_fixture.h"

namespace tsn {
namespace {

TEST(MainWindow, SpaceStartsARunAndTheArrowMovesMurphy) {
    test::WindowFixture f;
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
    test::WindowFixture f;
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
    test::WindowFixture f;
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
    test::WindowFixture f;
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
