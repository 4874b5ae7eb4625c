// A container level far wider or taller than the view can reach is opened, drawn and played
// in the window: the surface stays within what 16-bit positions reach and the demo runs to
// its end with every explosion and move drawn.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>

#include "app/game_session.h"
#include "app/main_window.h"
#include "app/view_controller.h"
#include "engine/game_state.h"
#include "hostile_level.h"
#include "main_window_fixture.h"
#include "presentation/scroll_buffer.h"

namespace tsn {
namespace {

TEST(WideLevelWindow, OpensAndPlaysItsDemo) {
    // Use the terminal, then walk left, up and down over the edges; 0xFF ends the demo.
    const std::vector<uint8_t> demo = {0x81, 0x38, 0x30, 0xF2, 0xF2, 0xF2, 0xF1, 0xF1,
                                       0xF3, 0xF3, 0xF3, 0xF4, 0xFF};
    const struct {
        int w, h;
    } shapes[] = {{32671, 1}, {1300, 25}, {3, 10857}};
    for (const auto& shape : shapes) {
        test::WindowFixture f;
        std::vector<int> disks;
        const auto bytes = test::HostileLevel(shape.w, shape.h, disks, demo);
        const QString path = f.dir.filePath("wide.tsn");
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
        file.close();

        f.window->InitNewLevelFile(path);
        WindowState& s = f.window->State();
        ASSERT_TRUE(s.LevelLoaded) << shape.w << " x " << shape.h;
        ASSERT_EQ(s.FieldWidth, shape.w);
        ASSERT_NE(f.window->View().Scroll(), nullptr);
        EXPECT_EQ(f.window->View().Scroll()->Surface().size(), ScrollBufferSize(shape.w, shape.h));
        // Every reading of the run's clock is a tenth of a second later: one frame a tick.
        GameSession& g = f.window->Session();
        int64_t now = 1'000'000'000;
        g.Clock().source = [&now] { return now += 100'000'000; };
        g.MenuDemoSpeed(2);  // fastest, still drawing
        g.PlayDemoCommand();
        for (int i = 0; i < 2000 && g.CurrentPhase() != GameSession::Phase::Idle; ++i) g.Tick();
        EXPECT_EQ(g.CurrentPhase(), GameSession::Phase::Idle);
        EXPECT_GE(s.LastRunFrames / kFixedOne, 40) << shape.w << " x " << shape.h;
        EXPECT_EQ(s.TerminalsUsed, 1);
        EXPECT_EQ(s.GameRunning, 0);
    }
}

}  // namespace
}  // namespace tsn
