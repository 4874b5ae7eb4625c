#pragma once
// The test window with its run state machine on a clock of the test's own.
#include "app/game_session.h"
#include "main_window_fixture.h"

namespace tsn::test {

// The test window with the machine's clock in the test's hand (nanoseconds; `step` is added
// on every reading). Nothing runs unless the test ticks.
struct Machine {
    WindowFixture f;
    MainWindow& w = *f.window;
    GameSession& g = w.Session();
    WindowState& s = w.State();
    int64_t now = 1'000'000'000;
    int64_t step = 0;
    int frames = 0;
    int runs = 0;
    int ended = 0;

    Machine() {
        g.Clock().source = [this] { return now += step; };
        QObject::connect(&g, &GameSession::frameDone, &w, [this] { ++frames; });
        QObject::connect(&g, &GameSession::runStarted, &w, [this] { ++runs; });
        QObject::connect(&g, &GameSession::runEnded, &w, [this] { ++ended; });
        g.MenuPlaySpeed(12);  // 35 fps
    }
    void WaitMs(double ms) { now += static_cast<int64_t>(ms * 1e6); }
    void FrameTime() { now += g.DeltaT / 10; }
    // Ticks a frame time apart until the phase is `p`; false after `limit` ticks.
    bool TickUntil(GameSession::Phase p, int limit = 200) {
        for (int i = 0; i < limit && g.CurrentPhase() != p; ++i) {
            FrameTime();
            g.Tick();
        }
        return g.CurrentPhase() == p;
    }
};

}  // namespace tsn::test
