// Speeds, key locks and control states of runs in the window.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "app/game_session.h"
#include "app/speed_table.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

QPushButton* Button(MainWindow& w, const QString& text) {
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(GameSession, SpeedKeysStepWithinTheTableAndWaitForTheLock) {
    test::WindowFixture f;
    GameSession& g = f.window->Session();
    GameState& s = f.window->State();
    s.GameRunning = -1;  // the speed keys work only during a game
    g.InGamePlaySpeed(2);
    g.Faster();
    EXPECT_EQ(GetSpeedIndex(g.PlayDelay), 2);  // never "No display"
    QTest::qWait(250);
    g.InGamePlaySpeed(17);
    g.Slower();
    EXPECT_EQ(GetSpeedIndex(g.PlayDelay), 17);
    QTest::qWait(250);
    g.InGamePlaySpeed(12);
    g.Faster();
    EXPECT_EQ(GetSpeedIndex(g.PlayDelay), 11);
    g.Faster();  // within 200 ms: locked
    EXPECT_EQ(GetSpeedIndex(g.PlayDelay), 11);
    EXPECT_TRUE(g.KeyRepeatLock);
    QTest::qWait(250);
    EXPECT_FALSE(g.KeyRepeatLock);
    g.Faster();
    EXPECT_EQ(GetSpeedIndex(g.PlayDelay), 10);
    EXPECT_EQ(g.DeltaT, int64_t{SpeedDelay(10)} * 10000);
    s.GameRunning = 0;
}

TEST(GameSession, DemoSpeedNoDisplayAndVolumeWithoutSound) {
    test::WindowFixture f;
    GameSession& g = f.window->Session();
    GameState& s = f.window->State();
    g.MenuDemoSpeed(1);  // "No display (even faster)"
    EXPECT_EQ(g.DemoSpeedSetting, -1);
    EXPECT_NE(s.NoDisplay, 0);
    g.MenuDemoSpeed(12);
    EXPECT_EQ(s.NoDisplay, 0);
    EXPECT_EQ(g.DemoDelay, 28571);
    // The sound card is off in the fixture: the volume keys change nothing.
    s.GameRunning = -1;
    const int before = f.window->Sound().MusicVolume();
    g.SubMusicVol(true);
    QTest::qWait(250);
    g.SubMusicVol(false);
    EXPECT_EQ(f.window->Sound().MusicVolume(), before);
    s.GameRunning = 0;
}

TEST(GameSession, ControlsFollowTheRunAndKeySpeedsDoNotOutliveIt) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    GameSession& g = w.Session();
    g.MenuPlaySpeed(5);  // 350 fps, chosen in the menu
    bool playOn = true, pauseOn = false, stopOn = false, listOn = true;
    int frames = 0;
    QObject::connect(&g, &GameSession::frameDone, &w, [&] {
        ++frames;
        if (frames == 1) {
            QTest::keyRelease(&w, Qt::Key_Space);
            playOn = Button(w, "Play")->isEnabled();
            pauseOn = Button(w, "Pause")->isEnabled();
            stopOn = Button(w, "Stop")->isEnabled();
            listOn = w.LevelList()->isEnabled();
            g.Slower();  // a key speed during the run
        }
        if (frames == 3) g.Stop();
    });
    QTest::keyPress(&w, Qt::Key_Space);
    g.IdlePoll();
    EXPECT_FALSE(playOn);
    EXPECT_TRUE(pauseOn);
    EXPECT_TRUE(stopOn);
    EXPECT_FALSE(listOn);
    EXPECT_TRUE(Button(w, "Play")->isEnabled());
    EXPECT_FALSE(Button(w, "Stop")->isEnabled());
    EXPECT_TRUE(Button(w, "Play Demo")->isEnabled());  // the run left its demo
    EXPECT_EQ(GetSpeedIndex(g.PlayDelay), 5);            // back at the menu's speed
}

}  // namespace
}  // namespace tsn
