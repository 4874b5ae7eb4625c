// Snik Snaks and Electrons: wall-following paths and their timing, markers, kills, freezing
// and drawing.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "elements/elements.h"
#include "engine/field_hash.h"
#include "engine/game_state.h"
#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

constexpr int kSnik = 17;
constexpr int kElec = 24;

// Replaces every 'S' of the map by `enemy`.
std::vector<std::string> WithEnemy(std::vector<std::string> rows, char enemy) {
    for (auto& row : rows)
        for (auto& c : row)
            if (c == 'S') c = enemy;
    return rows;
}

int FindCode(const GameState& s, int code) {
    for (int i = 0; i <= s.FieldUpper; ++i)
        if ((s.PlayField16[i] & 0xFF) == code) return i;
    return -1;
}

struct Visit {
    int cell;
    int frame;  // the frame in which the enemy entered the cell; -1 at level start
};

// Runs whole frames and records every cell the (only) enemy enters. The enemies do not depend
// on the run going on, so frames run on past its end.
std::vector<Visit> Trail(GameState& s, int code, int frames) {
    std::vector<Visit> trail{{FindCode(s, code), -1}};
    for (int f = 0; f < frames; ++f) {
        test::Step(s);
        const int c = FindCode(s, code);
        if (c != trail.back().cell) trail.push_back({c, f});
    }
    return trail;
}

// The cells of a path from (x, y): one per move letter U, L, D, R.
std::vector<int> Path(const GameState& s, int x, int y, const std::string& moves) {
    std::vector<int> out{CellAt(s, x, y)};
    for (char m : moves) {
        x += (m == 'R') - (m == 'L');
        y += (m == 'D') - (m == 'U');
        out.push_back(CellAt(s, x, y));
    }
    return out;
}

// The cells the enemy is in at level start and then enters: from (x, y) one per move letter
// U, L, D, R.
struct Round {
    const char* name;
    std::vector<std::string> map;  // 'S' stands for the enemy
    int frames;
    int x, y;
    const char* moves;
    int firstFrame;  // the frame in which it enters the first cell after the start
    std::vector<Check> end = {};
};

// Straight on a move takes 8 frames a cell. A move that needs one rotation step first (a turn
// right, or a left turn with the wall ending) waits for the next frame that is 0 mod 4 to
// rotate and the next that is 3 mod 4 to start: 12 frames from the previous cell. Walled in on
// three sides it rotates three times (to up, up-left, left) before it can leave: 20 frames.
void ExpectTiming(const std::vector<Visit>& trail, int firstFrame) {
    ASSERT_GE(trail.size(), 2u);
    EXPECT_EQ(trail[1].frame, firstFrame);
    for (size_t i = 2; i < trail.size(); ++i) {
        const int before = trail[i - 1].cell - trail[i - 2].cell;
        const int now = trail[i].cell - trail[i - 1].cell;
        const int gap = before == now ? 8 : before == -now ? 20 : 12;
        EXPECT_EQ(trail[i].frame - trail[i - 1].frame, gap) << "visit " << i;
    }
}

TEST(EnemyPaths, FollowWallsTurnInTheOpenAndTurnRoundAtDeadEnds) {
    // A ring corridor round a block; Murphy is walled in below it.
    const std::vector<std::string> ring = {"#########", "#.......#", "#.#####.#", "#.#####.#",
                                           "#.......#", "#########", "#M#######", "#########"};
    auto from = [&ring](int x) {
        auto rows = ring;
        rows[1][static_cast<size_t>(x)] = 'S';
        return rows;
    };
    const Round rounds[] = {
        // From the top-left corner it keeps the outer wall on its left and turns right at every
        // corner (level start set it moving already); from the top-right corner, Space on its
        // left, it goes the other way round and turns left at every corner.
        {"ring from the top-left", from(1), 160, 2, 1, "RRRRRDDDLLLLLLUUUR", 7},
        {"ring from the top-right", from(7), 160, 7, 1, "LLLLLLDDDRRRRRRUUU", 3},
        // In the open it turns left after every step; after one round of 48 frames it is back
        // where and as it started, trails gone.
        {"open field",
         {"#########", "#.......#", "#.......#", "#...S...#", "#.......#", "#.......#", "#########",
          "#M#######", "#########"},
         48,
         4,
         3,
         "LDRU",
         3,
         {Masked(4, 3, 0xFF00, 0x0100), RowIs(1, "#.......#"), RowIs(2, "#.......#"),
          RowIs(3, "#...?...#"), RowIs(4, "#.......#"), RowIs(5, "#.......#")}},
        {"dead ends",
         {"########", "#S.....#", "########", "#M######", "########"},
         110,
         2,
         1,
         "RRRRLLLLLR",
         7},
    };
    for (const Round& r : rounds) {
        for (char enemy : {'S', 'e'}) {
            SCOPED_TRACE(std::string(r.name) + " " + enemy);
            GameState s = MakeLevel(WithEnemy(r.map, enemy));
            const std::vector<Visit> trail = Trail(s, enemy == 'S' ? kSnik : kElec, r.frames);
            std::vector<int> cells;
            for (const Visit& v : trail) cells.push_back(v.cell);
            EXPECT_EQ(cells, Path(s, r.x, r.y, r.moves));
            ExpectTiming(trail, r.firstFrame);
            ExpectAll(s, r.end);
        }
    }
}

// The cell an enemy leaves is marked until its seventh step: leaving (4,2) to the left on
// frame 3 after rotating on frame 0, then, arrived, turning left (down) towards the Space.
Scenario LeavingMarked(char enemy) {
    const int code = enemy == 'S' ? kSnik : kElec;
    Scenario sc = Play(std::string("trail of ") + enemy,
                       WithEnemy({"#########", "#.......#", "#...S...#", "#.......#", "#########",
                                  "#M#######", "#########"},
                                 enemy));
    for (int k = 0; k <= 6; ++k)
        sc.add(Hold(kNone, k == 0 ? 4 : 1,
                    {CellIs(4, 2, kEnemyTrailLeft), CellIs(3, 2, (0x18 + k) << 8 | code)}));
    sc.add(Hold(kNone, 1, {CellIs(4, 2, 0)}));
    sc.add(Hold(kNone, 1, {CellIs(3, 2, 0x0300 | code)}));
    return sc;
}

// Zonks falling on enemies and enemies meeting Murphy, with every element acting.
Scenario ZonkOnTrail(char enemy) {
    // The enemy leaves to the left on frame 3; the Zonk, falling since frame 0, arrives on frame
    // 9, while the trail is still there (it goes on frame 10). Only an Electron's explosion
    // leaves Infotrons.
    const int code = enemy == 'S' ? kSnik : kElec;
    const int blast = code == kElec ? 0x801F : 0x001F;
    return Play(
        std::string("Zonk lands on the trail of ") + enemy,
        WithEnemy({"#######", "###Z###", "###.###", "#..S..#", "#######", "#M#####", "#######"},
                  enemy),
        Hold(kNone, 9, {CellIs(3, 3, kEnemyTrailLeft), CellIs(2, 3, 0x1D00 | code)}),
        Hold(kNone, 1, {CellIs(3, 3, blast), CellIs(2, 3, blast), CellIs(3, 2, blast)}),
        Hold(kNone, 50,
             {RowIs(2, code == kElec ? "###I###" : "###.###"),
              RowIs(3, code == kElec ? "#.III.#" : "#.....#")}));
}

// The enemy sits in a pocket above Murphy, faces down from frame 12 and looks at him on frame
// 15; Murphy, when passing, starts through the port on frame 9 and is still in it on frame 15.
Scenario InPort(char enemy, bool passing) {
    const int code = enemy == 'S' ? kSnik : kElec;
    const bool spared = passing && enemy == 'S';
    return Play(
        std::string(1, enemy) + (passing ? " and Murphy passing a port" : " and Murphy at rest"),
        WithEnemy({"######", "##S###", "#.M-.#", "######"}, enemy), Hold(kNone, 9),
        Hold(passing ? kRight : kNone, 1), Hold(kNone, 5, {Masked(2, 1, 0xFF00, 0x0400)}),
        Hold(kNone, 1, {LowIs(2, 1, spared ? code : 31), LowIs(2, 2, spared ? 3 : 31)}));
}

const Scenario kEncounters[] = {
    LeavingMarked('S'),
    LeavingMarked('e'),
    // The cell that level start vacated is cleared the same way.
    Play("trail of level start", {"#####", "#S..#", "#####", "#M###", "#####"},
         Hold(kNone, 0, {CellIs(1, 1, kLeaving)}), Hold(kNone, 6, {CellIs(1, 1, kLeaving)}),
         Hold(kNone, 1, {CellIs(1, 1, 0)})),
    ZonkOnTrail('S'),
    ZonkOnTrail('e'),
    // Level start set it moving right; it arrives in front of Murphy on frame 31 and explodes;
    // the end rule fires in that frame: 64 frames counted from it and the run is lost.
    Play("arriving in front of Murphy", {"########", "#S....M#", "########"},
         Hold(kNone, 31, {CellIs(6, 1, 3)}), Hold(kNone, 1, {CellIs(6, 1, 0x001F)}),
         Hold(kNone, 62, {Is(RunEnded, 0)}), Hold(kNone, 1, {Is(RunEnded, 1), Is(LevelSolved, 0)})),
    InPort('S', false),
    InPort('S', true),
    InPort('e', false),
    InPort('e', true),
};

TEST(EnemyEncounters, Scenarios) {
    for (const Scenario& sc : kEncounters) RunScenario(sc);
}

// Single calls of an enemy's frame procedure on cells of a room written by hand.
const std::vector<std::string> kRoom = {"#######", "#.....#", "#.....#", "#.....#",
                                        "#######", "#M#####", "#######"};

ElementProc FrameOf(int code) {
    return code == kSnik ? subSnikSnakFrame : subElectronFrame;
}

std::vector<Scenario> RoomScenarios() {
    std::vector<Scenario> out;
    for (int code : {kSnik, kElec}) {
        const ElementProc f = FrameOf(code);
        const int blast = code == kElec ? 0x801F : 0x001F;
        const auto at = [code](int state) { return state << 8 | code; };
        const std::string of = code == kSnik ? " (Snik Snak)" : " (Electron)";
        // Facing Murphy it explodes only on the frame it would move.
        out.push_back(Play(
            "facing Murphy" + of, kRoom, Given({CellIs(2, 2, at(0x06)), CellIs(3, 2, 3)}),
            Call(f, 2, 2, 1), Call(f, 2, 2, 2, {CellIs(2, 2, at(0x06)), Is(MurphyKilled, 0)}),
            Call(f, 2, 2, 7, {CellIs(2, 2, blast), CellIs(3, 2, blast), Is(MurphyKilled, 1)})));
        // Only Electrons strike at Murphy passing a port (his states 24 .. 27).
        for (int murphyState = 23; murphyState <= 28; ++murphyState) {
            const bool spared = code == kSnik && murphyState >= 24 && murphyState <= 27;
            out.push_back(
                Play("Murphy in state " + std::to_string(murphyState) + of, kRoom,
                     Given({CellIs(2, 2, at(0x0E)), CellIs(1, 2, murphyState << 8 | 3)}),
                     Call(f, 2, 2, 3,
                          {Is(MurphyKilled, spared ? 0 : 1), LowIs(2, 2, spared ? code : 31)})));
        }
        // Murphy on its left after a step: it turns left towards him, one step past its
        // heading, faces him on the next frame that is 0 mod 4 and strikes on the next 3 mod 4.
        out.push_back(Play("Murphy on the left after a step" + of, kRoom,
                           Given({CellIs(2, 2, at(0x17)), CellIs(1, 2, 3)}),
                           Call(f, 2, 2, 5, {CellIs(2, 2, at(0x01)), Is(MurphyKilled, 0)}),
                           Call(f, 2, 2, 8, {CellIs(2, 2, at(0x02))}),
                           Call(f, 2, 2, 11, {Is(MurphyKilled, 1)})));
        // Murphy on its right with the way ahead and to the left blocked: it turns right.
        out.push_back(Play(
            "Murphy on the right after a step" + of, kRoom,
            Given({CellIs(2, 1, 6), CellIs(1, 2, 6), CellIs(3, 2, 3), CellIs(2, 2, at(0x17))}),
            Call(f, 2, 2, 1, {CellIs(2, 2, at(0x09)), Is(MurphyKilled, 0)}),
            Call(f, 2, 2, 4, {CellIs(2, 2, at(0x0A))}), Call(f, 2, 2, 7, {Is(MurphyKilled, 1)})));
        // Straight ahead after a step: it explodes at once.
        out.push_back(Play("Murphy ahead after a step" + of, kRoom,
                           Given({CellIs(1, 2, 6), CellIs(2, 1, 3), CellIs(2, 2, at(0x17))}),
                           Call(f, 2, 2, 2, {Is(MurphyKilled, 1), LowIs(2, 1, 31)})));
        // States from 48 up do nothing at all.
        out.push_back(Play("idle state" + of, kRoom, Given({CellIs(2, 2, at(0x30))}),
                           Call(f, 2, 2, 0), Call(f, 2, 2, 1), Call(f, 2, 2, 2),
                           Call(f, 2, 2, 3, {CellIs(2, 2, at(0x30))})));
        // Frozen (only the value 1 freezes), it neither acts nor draws: one facing right at
        // Murphy, one moving right (step 3).
        Scenario frozen = Play("frozen" + of, kRoom,
                               Given({Is(EnemiesFrozen, 1), CellIs(2, 2, at(0x06)), CellIs(3, 2, 3),
                                      CellIs(4, 2, at(0x2A))}));
        for (int frame = 0; frame < 8; ++frame) {
            frozen.add(Call(f, 2, 2, frame, {DrewNothing()}));
            frozen.add(Call(f, 4, 2, frame, {DrewNothing()}));
        }
        frozen.add(Call(
            f, 4, 2, 8,
            {CellIs(2, 2, at(0x06)), CellIs(4, 2, at(0x2A)), Is(MurphyKilled, 0), DrewNothing()}));
        frozen.add(
            Call(f, 4, 2, 8, {CellIs(4, 2, at(0x2B)), Drew(96, 64, 0)}, {Is(EnemiesFrozen, 2)}));
        out.push_back(frozen);
    }
    const ElementProc snik = subSnikSnakFrame;
    // A diagonal facing never strikes.
    out.push_back(
        Play("diagonal facing", kRoom,
             Given({CellIs(2, 2, 0x0711), CellIs(3, 1, 3), CellIs(3, 2, 3), CellIs(2, 1, 3)}),
             Call(snik, 2, 2, 3, {CellIs(2, 2, 0x0711), Is(MurphyKilled, 0)})));
    // Arriving in front of him ends in an explosion even while he passes a port: left of the
    // heading (up) is not free, Murphy ahead passing a port downwards.
    out.push_back(Play("arriving in front of Murphy in a port", kRoom,
                       Given({CellIs(1, 2, 6), CellIs(2, 1, 0x1A03), CellIs(2, 2, 0x1711)}),
                       Call(snik, 2, 2, 5, {CellIs(2, 2, 0x001F), Is(MurphyKilled, 1)})));
    // After a step (moving right, step 8; left of the heading is up) it turns left first, else
    // goes straight on, else turns right, else turns left again.
    out.push_back(Play("left free", kRoom, Given({CellIs(2, 2, 0x2F11)}),
                       Call(snik, 2, 2, 0, {CellIs(2, 2, 0x0711), CellIs(3, 2, 0)})));
    out.push_back(
        Play("ahead free", kRoom, Given({CellIs(2, 2, 0x2F11), CellIs(2, 1, 5)}),
             Call(snik, 2, 2, 0, {CellIs(2, 2, kEnemyTrailRight), CellIs(3, 2, 0x2811)})));
    out.push_back(Play("right free", kRoom,
                       Given({CellIs(2, 2, 0x2F11), CellIs(2, 1, 5), CellIs(3, 2, 6)}),
                       Call(snik, 2, 2, 0, {CellIs(2, 2, 0x0B11), CellIs(3, 2, 6)})));
    out.push_back(
        Play("nothing free", kRoom,
             Given({CellIs(2, 2, 0x2F11), CellIs(2, 1, 5), CellIs(3, 2, 6), CellIs(2, 3, 5)}),
             Call(snik, 2, 2, 0, {CellIs(2, 2, 0x0711), CellIs(3, 2, 6)})));
    // Any value but Space is in the way, even a Space code with a state.
    out.push_back(Play("Space with a state", kRoom,
                       Given({CellIs(2, 2, 0x2F18), CellIs(2, 1, 0x0300), CellIs(3, 2, 0x0100),
                              CellIs(2, 3, 0x0300)}),
                       Call(subElectronFrame, 2, 2, 0, {CellIs(2, 2, 0x0718)})));
    // The explosion that has reached the cell left behind is not cleared on step 7.
    out.push_back(Play("explosion on the trail", kRoom,
                       Given({CellIs(2, 2, 0x2E11), CellIs(1, 2, 0x031F)}),
                       Call(snik, 2, 2, 0, {CellIs(1, 2, 0x031F), CellIs(2, 2, 0x2F11)})));
    return out;
}

TEST(EnemyRoom, TurnsMovesAndKills) {
    for (const Scenario& sc : RoomScenarios()) RunScenario(sc);
}

TEST(EnemyDrawing, TurningAndMovingSprites) {
    GameState s =
        MakeLevel({"#######", "#.....#", "#.....#", "#.....#", "#######", "#M#####", "#######"});
    RecordingView view;
    s.view = &view;
    const int p = CellAt(s, 2, 2);
    using D = DrawnSprite;
    // Turning left (up-left), turning right (between up and right), and an Electron.
    for (uint16_t v : {uint16_t{0x0111}, uint16_t{0x0911}, uint16_t{0x0918}}) {
        s.PlayField16[p] = v;
        ((v & 0xFF) == kSnik ? subSnikSnakFrame : subElectronFrame)(s, p);
    }
    EXPECT_EQ(view.drawn, (std::vector<D>{{64, 64, 122}, {64, 64, 120}, {64, 64, 151}}));

    // Moving: Space over the cell it came from, the enemy 4 pixels per step towards the new one.
    struct Move {
        int state, backX, backY, dx, dy, snikBase;
    };
    const Move moves[] = {
        {0x12, 2, 3, 0, -1, 159},  // up, step 3
        {0x1A, 3, 2, -1, 0, 239},  // left, step 3
        {0x22, 2, 1, 0, 1, 167},   // down, step 3
        {0x2A, 1, 2, 1, 0, 247},   // right, step 3
    };
    for (const auto& m : moves) {
        for (int code : {kSnik, kElec}) {
            view.drawn.clear();
            s.PlayField16[p] = static_cast<uint16_t>(m.state << 8 | code);
            s.PlayField16[CellAt(s, m.backX, m.backY)] = 0;
            (code == kSnik ? subSnikSnakDraw : subElectronDraw)(s, p);
            EXPECT_EQ(s.PlayField16[p], m.state << 8 | code);  // drawing changes nothing
            s.FrameCounter = kFixedOne;
            (code == kSnik ? subSnikSnakFrame : subElectronFrame)(s, p);
            const int sprite = code == kSnik ? m.snikBase + 3 : 147;
            const D back{m.backX * 32, m.backY * 32, 0};
            const D body{m.backX * 32 + 12 * m.dx, m.backY * 32 + 12 * m.dy, sprite};
            EXPECT_EQ(view.drawn, (std::vector<D>{back, body, back, body}))
                << m.state << " " << code;
        }
    }
    s.view = nullptr;
}

// Busy fields without a hardware border: elements at the edges reach the neighbouring rows'
// end cells and the row above the field. Two runs with the same seed stay identical, and the
// sanitizer build checks that the per-cell timer and blink arrays are indexed only in range.
TEST(EnemyEncounters, BusyOpenFieldsReplayIdentically) {
    const std::string mix = "....++ZZIIRR#OYDTTSSSSeeeebb-*|<>";
    std::mt19937 pick(20261206);
    for (int level = 0; level < 6; ++level) {
        std::vector<std::string> rows(12, std::string(20, '.'));
        for (auto& row : rows)
            for (auto& c : row) c = mix[pick() % mix.size()];
        rows[5][10] = 'M';
        test::LevelOptions o;
        o.seed = static_cast<uint16_t>(pick());
        o.gravity = static_cast<uint8_t>(level % 2);
        GameState a = MakeLevel(rows, o);
        GameState b = MakeLevel(rows, o);
        for (int f = 0; f < 600; ++f) {
            test::Step(a, static_cast<int>(f / 7 % 5));
            test::Step(b, static_cast<int>(f / 7 % 5));
            ASSERT_EQ(FieldHash(a), FieldHash(b)) << level << " frame " << f;
            ASSERT_EQ(a.RandomSeed, b.RandomSeed);
        }
    }
}

}  // namespace
}  // namespace tsn
