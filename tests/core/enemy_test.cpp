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
#include "recording_view.h"
#include "test_level.h"

namespace tsn {
namespace {

using test::CellAt;
using test::MakeLevel;

constexpr int kSnik = 17;
constexpr int kElec = 24;

void SetFrame(GameState& s, int frame) {
    s.FrameCounter = frame * kFixedOne;
}

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

std::vector<int> CellsOf(const std::vector<Visit>& trail) {
    std::vector<int> out;
    for (const auto& v : trail) out.push_back(v.cell);
    return out;
}

// A move along a straight line takes 8 frames a cell. A move that needs one rotation step first
// (a turn right, or a left turn with the wall ending) waits for the next frame that is 0 mod 4
// to rotate and the next that is 3 mod 4 to start: 12 frames from the previous cell.
void ExpectCornerTiming(const std::vector<Visit>& trail) {
    for (size_t i = 2; i < trail.size(); ++i) {
        const int before = trail[i - 1].cell - trail[i - 2].cell;
        const int now = trail[i].cell - trail[i - 1].cell;
        EXPECT_EQ(trail[i].frame - trail[i - 1].frame, before == now ? 8 : 12) << "visit " << i;
    }
}

// A ring corridor round a block; Murphy is walled in below it.
const std::vector<std::string> kRing = {
    "#########", "#.......#", "#.#####.#", "#.#####.#",
    "#.......#", "#########", "#M#######", "#########",
};

TEST(EnemyPaths, FollowARingCorridorBothWays) {
    // Started in the top-left corner it keeps the outer wall on its left and turns right at
    // every corner; started in the top-right corner with Space on its left it goes the other
    // way round and turns left at every corner.
    struct Round {
        int startX;
        int firstFrame;  // level start set it moving already / it first rotates to face left
        int x, y;        // the first cell entered
        const char* moves;
    };
    const Round rounds[] = {{1, 7, 2, 1, "RRRRRDDDLLLLLLUUUR"}, {7, 3, 7, 1, "LLLLLLDDDRRRRRRUUU"}};
    for (const auto& round : rounds) {
        for (char enemy : {'S', 'e'}) {
            SCOPED_TRACE(std::string(1, enemy) + " from " + std::to_string(round.startX));
            auto rows = kRing;
            rows[1][static_cast<size_t>(round.startX)] = enemy;
            GameState s = MakeLevel(rows);
            const auto trail = Trail(s, enemy == 'S' ? kSnik : kElec, 160);
            EXPECT_EQ(CellsOf(trail), Path(s, round.x, round.y, round.moves));
            EXPECT_EQ(trail[1].frame, round.firstFrame);
            ExpectCornerTiming(trail);
        }
    }
}

TEST(EnemyPaths, CircleInTheOpenByTurningLeftAfterEveryStep) {
    const std::vector<std::string> rows = {
        "#########", "#.......#", "#.......#", "#...S...#", "#.......#",
        "#.......#", "#########", "#M#######", "#########",
    };
    for (char enemy : {'S', 'e'}) {
        SCOPED_TRACE(enemy);
        GameState s = MakeLevel(WithEnemy(rows, enemy));
        const int code = enemy == 'S' ? kSnik : kElec;
        const uint16_t start = s.PlayField16[CellAt(s, 4, 3)];
        EXPECT_EQ(start, 0x0100 | code);
        const auto trail = Trail(s, code, 48);
        EXPECT_EQ(CellsOf(trail), Path(s, 4, 3, "LDRU"));
        ExpectCornerTiming(trail);
        // After one round of 48 frames it is back where and as it started, markers gone.
        EXPECT_EQ(s.PlayField16[CellAt(s, 4, 3)], start);
        for (int y = 1; y <= 5; ++y)
            for (int x = 1; x <= 7; ++x)
                if (x != 4 || y != 3) {
                    EXPECT_EQ(s.PlayField16[CellAt(s, x, y)], 0) << x << "," << y;
                }
    }
}

TEST(EnemyPaths, TurnAroundAtADeadEnd) {
    const std::vector<std::string> rows = {"########", "#S.....#", "########", "#M######",
                                           "########"};
    for (char enemy : {'S', 'e'}) {
        SCOPED_TRACE(enemy);
        GameState s = MakeLevel(WithEnemy(rows, enemy));
        const auto trail = Trail(s, enemy == 'S' ? kSnik : kElec, 110);
        EXPECT_EQ(CellsOf(trail), Path(s, 2, 1, "RRRRLLLLLR"));
        // Walled in on three sides it rotates left three times (to up, up-left, left) before it
        // can leave: 8 frames for the step plus 12 frames.
        EXPECT_EQ(trail[5].frame - trail[4].frame, 20);
        EXPECT_EQ(trail[10].frame - trail[9].frame, 20);
        for (size_t i = 1; i < trail.size(); ++i)
            if (i != 5 && i != 10) {
                EXPECT_EQ(trail[i].frame - trail[i - 1].frame, 8) << i;
            }
    }
}

TEST(EnemyMarkers, TheCellLeftBehindIsMarkedUntilTheSeventhStep) {
    const std::vector<std::string> rows = {
        "#########", "#.......#", "#...S...#", "#.......#", "#########", "#M#######", "#########",
    };
    for (char enemy : {'S', 'e'}) {
        SCOPED_TRACE(enemy);
        GameState s = MakeLevel(WithEnemy(rows, enemy));
        const int code = enemy == 'S' ? kSnik : kElec;
        const int from = CellAt(s, 4, 2);
        const int to = CellAt(s, 3, 2);
        test::Steps(s, 4);  // rotates to face left on frame 0, leaves on frame 3
        EXPECT_EQ(s.PlayField16[from], kEnemyTrailLeft);
        EXPECT_EQ(s.PlayField16[to], 0x1800 | code);
        for (int k = 1; k <= 6; ++k) {
            test::Step(s);
            EXPECT_EQ(s.PlayField16[from], kEnemyTrailLeft) << "after step " << k;
            EXPECT_EQ(s.PlayField16[to], ((0x18 + k) << 8) | code);
        }
        test::Step(s);  // step 7
        EXPECT_EQ(s.PlayField16[from], 0);
        test::Step(s);  // step 8: arrived; Space to its left (below), so it turns that way
        EXPECT_EQ(s.PlayField16[to], 0x0300 | code);
    }

    // The cell that level start vacated is cleared the same way.
    GameState t = MakeLevel({"#####", "#S..#", "#####", "#M###", "#####"});
    const int start = CellAt(t, 1, 1);
    EXPECT_EQ(t.PlayField16[start], kLeaving);
    test::Steps(t, 6);
    EXPECT_EQ(t.PlayField16[start], kLeaving);
    test::Step(t);
    EXPECT_EQ(t.PlayField16[start], 0);

    // An explosion that has reached the marked cell is left alone.
    GameState u = MakeLevel({"#####", "#...#", "#####", "#M###", "#####"});
    const int p = CellAt(u, 2, 1);
    u.PlayField16[p] = 0x2E11;  // moving right, step 7
    u.PlayField16[p - 1] = 0x031F;
    subSnikSnakFrame(u, p);
    EXPECT_EQ(u.PlayField16[p - 1], 0x031F);
    EXPECT_EQ(u.PlayField16[p], 0x2F11);
}

// A small room for single calls of the frame procedures: the enemy's surroundings are written
// by hand and the frame counter is set to the phase under test.
struct Room {
    GameState s =
        MakeLevel({"#######", "#.....#", "#.....#", "#.....#", "#######", "#M#####", "#######"});
    int at(int x, int y) const { return CellAt(s, x, y); }
    uint16_t& cell(int x, int y) { return s.PlayField16[at(x, y)]; }
    void frame(int code, int x, int y, int frameNumber) {
        SetFrame(s, frameNumber);
        if (code == kSnik)
            subSnikSnakFrame(s, at(x, y));
        else
            subElectronFrame(s, at(x, y));
    }
};

TEST(EnemyKills, FacingMurphyExplodesOnlyOnTheFrameItWouldMove) {
    for (int code : {kSnik, kElec}) {
        SCOPED_TRACE(code);
        Room r;
        r.cell(2, 2) = static_cast<uint16_t>(0x0600 | code);  // facing right
        r.cell(3, 2) = 3;
        r.frame(code, 2, 2, 1);
        r.frame(code, 2, 2, 2);
        EXPECT_EQ(r.cell(2, 2), 0x0600 | code);
        EXPECT_EQ(r.s.MurphyKilled, 0);
        r.frame(code, 2, 2, 7);
        const uint16_t blast = code == kElec ? 0x801F : 0x001F;
        EXPECT_EQ(r.cell(2, 2), blast);
        EXPECT_EQ(r.cell(3, 2), blast);
        EXPECT_EQ(r.s.MurphyKilled, 1);
    }
    // A diagonal facing never strikes.
    Room r;
    r.cell(2, 2) = 0x0711;  // up-right
    r.cell(3, 1) = 3;
    r.cell(3, 2) = 3;
    r.cell(2, 1) = 3;
    r.frame(kSnik, 2, 2, 3);
    EXPECT_EQ(r.cell(2, 2), 0x0711);
    EXPECT_EQ(r.s.MurphyKilled, 0);
}

TEST(EnemyKills, OnlyElectronsStrikeAtMurphyPassingAPort) {
    for (int murphyState = 23; murphyState <= 28; ++murphyState) {
        SCOPED_TRACE(murphyState);
        const bool inPort = murphyState >= 24 && murphyState <= 27;
        for (int code : {kSnik, kElec}) {
            Room r;
            r.cell(2, 2) = static_cast<uint16_t>(0x0E00 | code);  // turning right, facing left
            r.cell(1, 2) = static_cast<uint16_t>(murphyState << 8 | 3);
            r.frame(code, 2, 2, 3);
            const bool spared = code == kSnik && inPort;
            EXPECT_EQ(r.s.MurphyKilled, spared ? 0 : 1) << code;
            EXPECT_EQ(r.cell(2, 2) & 0xFF, spared ? code : 31) << code;
        }
    }
    // Arriving in front of him ends in an explosion even while he passes a port.
    Room r;
    r.cell(1, 2) = 6;       // left of the heading (up) is not free
    r.cell(2, 1) = 0x1A03;  // Murphy ahead, passing a port downwards
    r.cell(2, 2) = 0x1711;  // moving up, step 8
    r.frame(kSnik, 2, 2, 5);
    EXPECT_EQ(r.cell(2, 2), 0x001F);
    EXPECT_EQ(r.s.MurphyKilled, 1);
}

TEST(EnemyKills, MurphyBesideAnArrivingEnemyIsTurnedToNotStruck) {
    for (int code : {kSnik, kElec}) {
        SCOPED_TRACE(code);
        // Murphy on its left: it turns left towards him, one step past its heading...
        Room r;
        r.cell(2, 2) = static_cast<uint16_t>(0x1700 | code);  // moving up, step 8
        r.cell(1, 2) = 3;
        r.frame(code, 2, 2, 5);
        EXPECT_EQ(r.cell(2, 2), 0x0100 | code);
        EXPECT_EQ(r.s.MurphyKilled, 0);
        // ...faces him on the next frame that is 0 mod 4 and strikes on the next 3 mod 4.
        r.frame(code, 2, 2, 8);
        EXPECT_EQ(r.cell(2, 2), 0x0200 | code);
        r.frame(code, 2, 2, 11);
        EXPECT_EQ(r.s.MurphyKilled, 1);

        // Murphy on its right with the way ahead and to the left blocked: it turns right.
        Room q;
        q.cell(2, 1) = 6;
        q.cell(1, 2) = 6;
        q.cell(3, 2) = 3;
        q.cell(2, 2) = static_cast<uint16_t>(0x1700 | code);
        q.frame(code, 2, 2, 1);
        EXPECT_EQ(q.cell(2, 2), 0x0900 | code);
        EXPECT_EQ(q.s.MurphyKilled, 0);
        q.frame(code, 2, 2, 4);
        EXPECT_EQ(q.cell(2, 2), 0x0A00 | code);  // facing right, at him
        q.frame(code, 2, 2, 7);
        EXPECT_EQ(q.s.MurphyKilled, 1);

        // Straight ahead after a step: it explodes at once.
        Room a;
        a.cell(1, 2) = 6;
        a.cell(2, 1) = 3;
        a.cell(2, 2) = static_cast<uint16_t>(0x1700 | code);
        a.frame(code, 2, 2, 2);
        EXPECT_EQ(a.s.MurphyKilled, 1);
        EXPECT_EQ(a.cell(2, 1) & 0xFF, 31);
    }
}

TEST(EnemyChoices, AfterAStepLeftThenAheadThenRightThenLeftAgain) {
    // Moving right (step 8) in the middle of the room; left of the heading is up.
    struct Case {
        bool leftFree, aheadFree, rightFree;
        uint16_t cell;   // the enemy's cell afterwards
        uint16_t ahead;  // the cell ahead afterwards
    };
    const Case cases[] = {
        {true, true, true, 0x0711, 0},                  // turn left first
        {false, true, true, kEnemyTrailRight, 0x2811},  // else straight on
        {false, false, true, 0x0B11, 6},                // else turn right
        {false, false, false, 0x0711, 6},               // else turn left again
    };
    for (const auto& c : cases) {
        Room r;
        r.cell(2, 2) = 0x2F11;
        r.cell(2, 1) = c.leftFree ? 0 : 5;
        r.cell(3, 2) = c.aheadFree ? 0 : 6;
        r.cell(2, 3) = c.rightFree ? 0 : 5;
        r.frame(kSnik, 2, 2, 0);
        EXPECT_EQ(r.cell(2, 2), c.cell);
        EXPECT_EQ(r.cell(3, 2), c.ahead);
    }
    // Any value but Space is in the way, even a Space code with a state.
    Room r;
    r.cell(2, 2) = 0x2F18;
    r.cell(2, 1) = 0x0300;
    r.cell(3, 2) = 0x0100;
    r.cell(2, 3) = 0x0300;
    r.frame(kElec, 2, 2, 0);
    EXPECT_EQ(r.cell(2, 2), 0x0718);

    // States from 48 up do nothing at all.
    r.cell(2, 2) = 0x3018;
    for (int f = 0; f < 4; ++f) r.frame(kElec, 2, 2, f);
    EXPECT_EQ(r.cell(2, 2), 0x3018);
}

TEST(EnemyFreeze, FrozenEnemiesNeitherActNorDraw) {
    for (int code : {kSnik, kElec}) {
        SCOPED_TRACE(code);
        Room r;
        test::RecordingView view;
        r.s.view = &view;
        r.s.EnemiesFrozen = 1;
        r.cell(2, 2) = static_cast<uint16_t>(0x0600 | code);  // facing right at Murphy
        r.cell(3, 2) = 3;
        r.cell(4, 2) = static_cast<uint16_t>(0x2A00 | code);  // moving right, step 3
        for (int f = 0; f < 8; ++f) {
            r.frame(code, 2, 2, f);
            r.frame(code, 4, 2, f);
        }
        EXPECT_EQ(r.cell(2, 2), 0x0600 | code);
        EXPECT_EQ(r.cell(4, 2), 0x2A00 | code);
        EXPECT_EQ(r.s.MurphyKilled, 0);
        EXPECT_TRUE(view.drawn.empty());

        // Only the value 1 freezes them.
        r.s.EnemiesFrozen = 2;
        r.frame(code, 4, 2, 8);
        EXPECT_EQ(r.cell(4, 2), 0x2B00 | code);
        EXPECT_FALSE(view.drawn.empty());
        r.s.view = nullptr;
    }
}

TEST(EnemyDrawing, TurningAndMovingSprites) {
    Room r;
    test::RecordingView view;
    r.s.view = &view;
    const int x = 2 * 32;
    const int y = 2 * 32;
    using D = test::DrawnSprite;

    r.cell(2, 2) = 0x0111;  // turning left, up-left
    r.frame(kSnik, 2, 2, 0);
    r.cell(2, 2) = 0x0911;  // turning right, between up and right
    r.frame(kSnik, 2, 2, 0);
    r.cell(2, 2) = 0x0918;
    r.frame(kElec, 2, 2, 0);
    EXPECT_EQ(view.drawn, (std::vector<D>{{x, y, 122}, {x, y, 120}, {x, y, 151}}));

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
            r.cell(2, 2) = static_cast<uint16_t>(m.state << 8 | code);
            r.cell(m.backX, m.backY) = 0;
            if (code == kSnik)
                subSnikSnakDraw(r.s, r.at(2, 2));
            else
                subElectronDraw(r.s, r.at(2, 2));
            EXPECT_EQ(r.cell(2, 2), m.state << 8 | code);  // drawing changes nothing
            r.frame(code, 2, 2, 1);
            const int sprite = code == kSnik ? m.snikBase + 3 : 147;
            const D back{m.backX * 32, m.backY * 32, 0};
            const D body{m.backX * 32 + 12 * m.dx, m.backY * 32 + 12 * m.dy, sprite};
            EXPECT_EQ(view.drawn, (std::vector<D>{back, body, back, body}))
                << m.state << " " << code;
        }
    }
    r.s.view = nullptr;
}

// Zonks falling on enemies and enemies meeting Murphy, with every element acting.
TEST(EnemyEncounters, AZonkLandingOnAFreshMarkerHitsTheEnemyBesideIt) {
    const std::vector<std::string> rows = {"#######", "###Z###", "###.###", "#..S..#",
                                           "#######", "#M#####", "#######"};
    for (char enemy : {'S', 'e'}) {
        SCOPED_TRACE(enemy);
        GameState s = MakeLevel(WithEnemy(rows, enemy));
        const int code = enemy == 'S' ? kSnik : kElec;
        // The enemy leaves to the left on frame 3; the Zonk, falling since frame 0, arrives on
        // frame 9, while the marker is still there (it goes on frame 10).
        test::Steps(s, 9);
        EXPECT_EQ(s.PlayField16[CellAt(s, 3, 3)], kEnemyTrailLeft);
        EXPECT_EQ(s.PlayField16[CellAt(s, 2, 3)], 0x1D00 | code);  // moving left, step 6 next
        test::Step(s);
        const uint16_t blast = code == kElec ? 0x801F : 0x001F;
        EXPECT_EQ(s.PlayField16[CellAt(s, 3, 3)], blast);
        EXPECT_EQ(s.PlayField16[CellAt(s, 2, 3)], blast);
        EXPECT_EQ(s.PlayField16[CellAt(s, 3, 2)], blast);
        test::Steps(s, 50);
        // Only an Electron's explosion leaves Infotrons.
        const auto field = test::Render(s);
        EXPECT_EQ(field[2], code == kElec ? "###I###" : "###.###");
        EXPECT_EQ(field[3], code == kElec ? "#.III.#" : "#.....#");
    }
}

TEST(EnemyEncounters, AnEnemyArrivingInFrontOfMurphyEndsTheRun) {
    GameState s = MakeLevel({"########", "#S....M#", "########"});
    // Level start set it moving right; it arrives in front of Murphy on frame 31 and explodes.
    int frames = 0;
    bool ended = false;
    while (!ended && frames < 1000) {
        ended = test::Step(s);
        ++frames;
        const uint16_t murphy = s.PlayField16[CellAt(s, 6, 1)];
        if (frames == 31) {
            EXPECT_EQ(murphy, 3);
        } else if (frames == 32) {
            EXPECT_EQ(murphy, 0x001F);
        }
    }
    // The end rule fires in that frame: 64 frames counted from it and the run is lost.
    EXPECT_EQ(frames, 32 + 63);
    EXPECT_EQ(s.LevelSolved, 0);
}

TEST(EnemyEncounters, MurphyInAPortIsSafeOnlyFromSnikSnaks) {
    // The enemy sits in a pocket above Murphy, faces down from frame 12 and looks at him on
    // frame 15. Murphy starts passing the port on frame 9 and is still in it on frame 15.
    const std::vector<std::string> rows = {"######", "##S###", "#.M-.#", "######"};
    for (char enemy : {'S', 'e'}) {
        for (bool passing : {false, true}) {
            SCOPED_TRACE(std::string(1, enemy) + (passing ? " passing" : " at rest"));
            GameState s = MakeLevel(WithEnemy(rows, enemy));
            test::Steps(s, 9);
            test::Step(s, passing ? 4 : 0);
            test::Steps(s, 5);
            EXPECT_EQ(s.PlayField16[CellAt(s, 2, 1)] >> 8, 4);  // facing down
            test::Step(s);                                      // frame 15
            const bool spared = passing && enemy == 'S';
            EXPECT_EQ(s.PlayField16[CellAt(s, 2, 1)] & 0xFF, spared ? kSnik : 31);
            EXPECT_EQ((s.PlayField16[CellAt(s, 2, 2)] & 0xFF) == 3, spared);
        }
    }
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
