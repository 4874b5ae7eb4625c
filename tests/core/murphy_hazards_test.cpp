// What happens when Murphy walks into something that moves, sparks or burns.
#include <gtest/gtest.h>

#include "murphy_fixture.h"

namespace tsn {
namespace {

using namespace test;

// Murphy at (1,1) with the cell to his right set to `value` after level start.
GameState FacingRight(uint16_t value) {
    GameState s = MakeLevel({
        "######",
        "#M...#",
        "######",
    });
    s.EnemiesFrozen = 1;
    At(s, 2, 1) = value;
    return s;
}

TEST(MurphyHazards, BugIsABaseOnlyWhileDormant) {
    GameState s = FacingRight(0xE019);  // dormant: negative state
    Steps(s, 8, kRight);
    EXPECT_EQ(s.MurphyPos, CellAt(s, 2, 1));
    EXPECT_EQ(At(s, 2, 1), 3);
    EXPECT_EQ(s.StepCount, 1);
    EXPECT_FALSE(Lost(s));

    for (uint16_t sparking : {uint16_t{0x0019}, uint16_t{0x0519}, uint16_t{0x7F19}}) {
        GameState t = FacingRight(sparking);
        Step(t, kRight);
        EXPECT_TRUE(Lost(t)) << sparking;
        EXPECT_EQ(At(t, 1, 1) & 0xFF, 31);
    }
    // Snapping follows the same rule.
    GameState u = FacingRight(0xC019);
    Steps(u, 8, kSnapRight);
    EXPECT_EQ(At(u, 2, 1), 0);
    EXPECT_EQ(u.MurphyPos, CellAt(u, 1, 1));
    GameState v = FacingRight(0x0319);
    Step(v, kSnapRight);
    EXPECT_TRUE(Lost(v));
}

TEST(MurphyHazards, ExplosionPhases) {
    // A dying explosion (phase 4..127) is cleared and walked into.
    for (uint16_t dying : {uint16_t{0x041F}, uint16_t{0x071F}, uint16_t{0x7F1F}}) {
        GameState s = FacingRight(dying);
        Step(s, kRight);
        EXPECT_EQ(At(s, 2, 1), 0x0403) << dying;
        EXPECT_FALSE(Lost(s));
    }
    // Phase 0 only blocks.
    GameState s = FacingRight(0x001F);
    Step(s, kRight);
    EXPECT_EQ(At(s, 1, 1), 3);
    EXPECT_FALSE(Lost(s));
    // A young explosion or an Electron's kills.
    for (uint16_t young :
         {uint16_t{0x011F}, uint16_t{0x031F}, uint16_t{0x801F}, uint16_t{0x851F}}) {
        GameState t = FacingRight(young);
        Step(t, kRight);
        EXPECT_TRUE(Lost(t)) << young;
    }
}

TEST(MurphyHazards, EnemiesAtRestBlockMovingOnesKill) {
    for (uint16_t resting : {uint16_t{0x0011}, uint16_t{0x0018}}) {
        GameState s = FacingRight(resting);
        Step(s, kRight);
        EXPECT_EQ(At(s, 1, 1), 3);
        EXPECT_FALSE(Lost(s)) << resting;
    }
    for (uint16_t busy : {uint16_t{0x0111}, uint16_t{0x1811}, uint16_t{0x2818}}) {
        GameState s = FacingRight(busy);
        Step(s, kRight);
        EXPECT_TRUE(Lost(s)) << busy;
    }
}

TEST(MurphyHazards, MarkerCells) {
    for (uint16_t blocking : {uint16_t{kLeaving}, uint16_t{kRollLeaving}}) {
        GameState s = FacingRight(blocking);
        Steps(s, 3, kRight);
        EXPECT_EQ(At(s, 1, 1), 3);
        EXPECT_EQ(At(s, 2, 1), blocking);
        EXPECT_FALSE(Lost(s));
    }
    for (uint16_t marker : {uint16_t{kRollTarget}, uint16_t{kFallTarget}, uint16_t{kEnemyTrailUp}, uint16_t{kEnemyTrailLeft},
                            uint16_t{kEnemyTrailDown}, uint16_t{kEnemyTrailRight}}) {
        GameState s = FacingRight(marker);
        Step(s, kRight);
        EXPECT_TRUE(Lost(s)) << marker;
    }
}

TEST(MurphyHazards, PassiveElementsWithAStateOnlyBlock) {
    // An orange disk about to fall, a special port the wrong way round.
    for (uint16_t v : {uint16_t{0x2008}, uint16_t{0x010B}, uint16_t{0x010C}}) {
        GameState s = FacingRight(v);
        Step(s, kRight);
        EXPECT_EQ(At(s, 1, 1), 3);
        EXPECT_FALSE(Lost(s)) << v;
    }
}

TEST(MurphyHazards, MovingZonkDependsOnItsDirection) {
    struct Case {
        int group;
        bool leftKills;   // Murphy walks left into it
        bool rightKills;  // Murphy walks right into it
    };
    const Case cases[] = {
        {0x10, true, true},  {0x20, false, true}, {0x30, true, false},  {0x40, false, false},
        {0x50, false, true}, {0x60, true, false}, {0x70, false, false},
    };
    for (const Case& c : cases) {
        const auto zonk = static_cast<uint16_t>((c.group << 8) | 1);
        GameState r = FacingRight(zonk);
        r.ZonksFrozen = 2;
        Step(r, kRight);
        EXPECT_EQ(Lost(r), c.rightKills) << std::hex << c.group;

        GameState l = MakeLevel({
            "######",
            "#...M#",
            "######",
        });
        l.ZonksFrozen = 2;
        At(l, 3, 1) = zonk;
        Step(l, kLeft);
        EXPECT_EQ(Lost(l), c.leftKills) << std::hex << c.group;
    }
    // Moving up or down into any moving Zonk is always fatal.
    GameState s = MakeLevel({
        "###",
        "#.#",
        "#M#",
        "###",
    });
    s.ZonksFrozen = 2;
    At(s, 1, 1) = 0x4001;
    Step(s, kUp);
    EXPECT_TRUE(Lost(s));
}

}  // namespace
}  // namespace tsn
