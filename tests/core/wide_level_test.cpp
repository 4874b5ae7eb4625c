// Levels of every shape a container may hold run without touching memory outside the play
// field: yellow disks at the ends of the field blow up (with chained explosions beside them)
// and Murphy walks out over the edges. The sanitizer build checks every field index, so an
// index past the field's margins stops the test there.
#include <gtest/gtest.h>

#include <vector>

#include "engine/cell.h"
#include "engine/element_codes.h"
#include "engine/field_hash.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "files/tsn_file.h"
#include "hostile_level.h"

namespace tsn {
namespace {

struct Shape {
    int w, h;
};

class WideLevel : public ::testing::TestWithParam<Shape> {};

TEST_P(WideLevel, RunsWithExplosionsAndMovesAtTheEdges) {
    const auto [w, h] = GetParam();
    std::vector<int> disks;
    GameState s;
    s.clock = [] { return 0; };
    ASSERT_TRUE(ReadTSN(s, test::HostileLevel(w, h, disks)).ok());
    ASSERT_EQ(s.FieldWidth, w);
    ASSERT_EQ(s.FieldHeight, h);
    s.RandomSeed = 0x5EED;
    ASSERT_TRUE(BeginRun(s));
    ASSERT_FALSE(disks.empty());

    // Use the terminal, then walk left, up, down and right out over the edges of the field.
    const std::vector<std::pair<int, int>> script = {{8, 4}, {0, 4}, {2, 100}, {1, 60},
                                                     {3, 120}, {4, 60}, {9, 20}};
    std::vector<std::pair<int64_t, int>> frames;
    for (const auto& [action, count] : script) frames.emplace_back(count, action);
    bool sawAllDisksExplode = false;
    bool murphyLeftTheLevel = false;
    const auto r = RunHeadless(
        s,
        [&](int64_t frame) {
            int64_t end = 0;
            for (const auto& [count, action] : frames) {
                end += count;
                if (frame < end) return action;
            }
            return 0;
        },
        400,
        [&](const GameState& g) {
            bool all = true;
            for (int cell : disks) all = all && LowByte(g.PlayField16[cell]) == kExplosion;
            sawAllDisksExplode = sawAllDisksExplode || all;
            murphyLeftTheLevel = murphyLeftTheLevel || g.MurphyPos < 0 || g.MurphyPos > g.FieldUpper;
        });
    EXPECT_TRUE(sawAllDisksExplode) << w << " x " << h;
    EXPECT_GE(r.frames, 8);
    // Narrow levels leave Murphy no room outside the blasts.
    if (w >= 8) {
        EXPECT_TRUE(murphyLeftTheLevel) << w << " x " << h;
    }
    EXPECT_EQ(s.TerminalsUsed, 1);
    // The hash reads the whole level as it stands.
    EXPECT_NE(FieldHash(s), 0u);
}

// The widest and tallest shapes a container holds (W x H + 96 <= 32767), shapes whose rows
// are longer than any fixed margin, and the editor's extremes.
INSTANTIATE_TEST_SUITE_P(Shapes, WideLevel,
                         ::testing::Values(Shape{32671, 1}, Shape{16335, 2}, Shape{8000, 4},
                                           Shape{2000, 16}, Shape{1300, 25}, Shape{600, 54},
                                           Shape{3, 10857}, Shape{2, 16335}, Shape{125, 125},
                                           Shape{3, 5}),
                         [](const auto& shape) {
                             return std::to_string(shape.param.w) + "x" + std::to_string(shape.param.h);
                         });

}  // namespace
}  // namespace tsn
