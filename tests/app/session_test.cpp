// The run state machine of the window, driven tick by tick on a clock of the test's own:
// frames and their pace, pause and inactivity, the ways a run ends, speeds and slices, idle.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QTest>
#include <functional>

#include "app/game_session.h"
#include "app/scan_codes.h"
#include "app/speed_table.h"
#include "session_machine.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;
using test::Machine;

QPushButton* Button(MainWindow& w, const QString& text) {
    for (QPushButton* b : w.findChildren<QPushButton*>())
        if (b->text() == text) return b;
    return nullptr;
}

TEST(GameSession, OneFramePerTickAtTheRunsPace) {
    Machine m;
    m.g.PlayCommand();
    ASSERT_EQ(m.g.CurrentPhase(), Phase::Running);
    EXPECT_TRUE(m.g.ClockArmed());
    m.g.Tick();
    EXPECT_EQ(m.frames, 1);  // the first frame runs at once
    m.g.Tick();
    EXPECT_EQ(m.frames, 1);  // too early: the clock is armed for the rest of the frame time
    EXPECT_TRUE(m.g.ClockArmed());
    m.WaitMs(20);
    m.g.Tick();
    EXPECT_EQ(m.frames, 1);
    m.WaitMs(8.6);  // 28.6 ms after the first frame began
    m.g.Tick();
    EXPECT_EQ(m.frames, 2);
    EXPECT_EQ(m.s.Frames(), 2);
}

TEST(GameSession, TheGetReadyBarTakesTwoHundredStepsBeforeTheFirstFrame) {
    Machine m;
    m.g.GetReadyTime = 1;  // half a second: 200 steps of 2 ms (2.5 rounded to even)
    m.g.PlayCommand();
    ASSERT_EQ(m.g.CurrentPhase(), Phase::GetReady);
    EXPECT_EQ(m.s.GameRunning, -1);
    for (int i = 0; i < 199; ++i) m.g.Tick();
    EXPECT_EQ(m.g.CurrentPhase(), Phase::GetReady);
    m.g.Tick();
    EXPECT_EQ(m.g.CurrentPhase(), Phase::Running);
    EXPECT_EQ(m.frames, 0);
    EXPECT_EQ(m.s.MainLoopActive, 1);
}

TEST(GameSession, PauseAndInactivityStopTheClockUntilTheyEnd) {
    const std::function<void(GameSession&, bool)> cases[] = {
        [](GameSession& g, bool on) {
            if (g.Paused != on) g.TogglePause();
        },
        [](GameSession& g, bool on) { g.SetAppInactive(on); },
    };
    for (const auto& hold : cases) {
        Machine m;
        m.g.PlayCommand();
        m.g.Tick();
        hold(m.g, true);
        m.FrameTime();
        m.g.Tick();
        EXPECT_EQ(m.frames, 1);
        EXPECT_TRUE(m.g.PauseIdleMark);
        EXPECT_FALSE(m.g.ClockArmed());  // nothing runs, nothing waits
        hold(m.g, false);
        EXPECT_TRUE(m.g.ClockArmed());
        m.g.Tick();
        EXPECT_EQ(m.frames, 2);
    }
}

TEST(GameSession, EveryEndOfARunFinishesItAndRestoresTheWindow) {
    struct Case {
        const char* name;
        std::function<void(Machine&)> act;  // after the first frame
        int framesPlayed;                   // of the first run
        int runsStarted;
    };
    const Case cases[] = {
        {"stop", [](Machine& m) { m.g.Stop(); }, 1, 1},
        {"Esc kills Murphy; the lead-out runs 64 frames",
         [](Machine& m) { m.w.Keys().Set(key::kEscape, true); }, 65, 1},
        {"R restarts after the frame", [](Machine& m) { m.w.Keys().Set(key::kR, true); }, 2, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Machine m;
        m.g.PlayCommand();
        m.g.Tick();
        EXPECT_FALSE(Button(m.w, "Play")->isEnabled());
        EXPECT_TRUE(Button(m.w, "Stop")->isEnabled());
        EXPECT_FALSE(m.w.LevelList()->isEnabled());
        m.g.Slower();  // a key speed during the run
        c.act(m);
        ASSERT_TRUE(m.TickUntil(Phase::Ending));
        EXPECT_EQ(m.frames, c.framesPlayed);
        m.w.Keys().ReleaseAll();
        m.g.Tick();  // too early: the last frame is shown for its full time
        EXPECT_EQ(m.g.CurrentPhase(), Phase::Ending);
        m.FrameTime();
        m.g.Tick();
        EXPECT_EQ(m.ended, 1);
        EXPECT_EQ(m.runs, c.runsStarted);
        EXPECT_EQ(m.s.LastRunFrames, int64_t{c.framesPlayed} * 10000);
        EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(m.s.LastRunFile)));
        if (c.runsStarted == 2) {
            EXPECT_EQ(m.g.CurrentPhase(), Phase::Running);  // no get-ready pause
            EXPECT_EQ(m.s.GameRunning, -1);
            continue;
        }
        EXPECT_EQ(m.g.CurrentPhase(), Phase::Idle);
        EXPECT_EQ(m.s.GameRunning, 0);
        EXPECT_EQ(m.s.MainLoopActive, 0);
        EXPECT_TRUE(Button(m.w, "Play")->isEnabled());
        EXPECT_TRUE(Button(m.w, "Play Demo")->isEnabled());  // the run left its demo
        EXPECT_EQ(GetSpeedIndex(m.g.PlayDelay), 12);          // back at the menu's speed
        EXPECT_FALSE(m.g.ClockArmed());
    }
}

TEST(GameSession, EscapeAfterAPauseOnlyRearms) {
    Machine m;
    m.g.PlayCommand();
    m.g.Tick();
    m.g.TogglePause();
    m.g.Tick();
    m.w.Keys().Set(key::kEscape, true);  // pressed while paused: nothing yet
    m.g.TogglePause();
    m.FrameTime();
    m.g.Tick();
    EXPECT_EQ(m.frames, 2);
    EXPECT_EQ(m.s.LeadOutCounter, 0);  // the first Esc only re-arms
    m.FrameTime();
    m.g.Tick();
    EXPECT_EQ(m.s.LeadOutCounter, 63);  // still held: Murphy is killed, the lead-out runs
}

TEST(GameSession, ASpeedChangeAppliesToTheFrameThatIsWaiting) {
    Machine m;
    m.g.MenuPlaySpeed(17);  // 1 fps
    m.g.PlayCommand();
    m.g.Tick();
    m.WaitMs(30);
    m.g.Tick();
    EXPECT_EQ(m.frames, 1);
    m.g.MenuPlaySpeed(12);  // 35 fps: 30 ms are enough
    EXPECT_TRUE(m.g.ClockArmed());
    m.g.Tick();
    EXPECT_EQ(m.frames, 2);
}

TEST(GameSession, WithoutAFrameDelayFramesRunInSlices) {
    int perTick[2] = {};
    for (int i = 0; i < 2; ++i) {
        Machine m;
        m.step = 1'000'000;          // every reading of the clock is a millisecond later
        m.g.MenuPlaySpeed(2 - i);    // "Fastest possible", then "No display (even faster)"
        m.g.PlayCommand();
        m.g.Tick();
        perTick[i] = m.frames;
        EXPECT_EQ(m.g.CurrentPhase(), Phase::Running);
        EXPECT_TRUE(m.g.ClockArmed());  // the next slice follows after the window's events
    }
    EXPECT_GT(perTick[0], 1);
    EXPECT_GT(perTick[1], perTick[0]);  // no display: larger slices
}

TEST(GameSession, IdleTheMachineWaitsForKeys) {
    Machine m;
    EXPECT_EQ(m.g.CurrentPhase(), Phase::Idle);
    EXPECT_FALSE(m.g.ClockArmed());
    QTest::keyPress(&m.w, Qt::Key_Space);
    EXPECT_TRUE(m.g.ClockArmed());
    m.g.Tick();  // the idle poll: Space starts a run
    EXPECT_EQ(m.runs, 1);
    EXPECT_EQ(m.g.CurrentPhase(), Phase::Running);
    QTest::keyRelease(&m.w, Qt::Key_Space);
    m.g.Stop();
    ASSERT_TRUE(m.TickUntil(Phase::Idle));
    EXPECT_FALSE(m.g.ClockArmed());  // no key held: nothing to poll
}

TEST(GameSession, SpeedKeysStepWithinTheTableAndWaitForTheLock) {
    test::WindowFixture f;
    GameSession& g = f.window->Session();
    WindowState& s = f.window->State();
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
    WindowState& s = f.window->State();
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

}  // namespace
}  // namespace tsn
