// What a falling Zonk or Infotron does in the frame it arrives on the cell above a pit floor.
#include <gtest/gtest.h>

#include <vector>

#include "elements/elements.h"
#include "recording_view.h"
#include "test_level.h"

namespace tsn {
namespace {

constexpr uint16_t kZ = 1, kI = 4;
constexpr uint16_t kBlast = 0x001F, kEBlast = 0x801F;

GameState Pit(const char* floor) {
    return test::MakeLevel({
        "#######",
        "##...##",
        std::string("#") + floor + "#",
        "#######",
        "#######",
        "####M##",
        "#######",
    });
}

// Places the element in its last falling frame at `p`, the cell above already freed, and runs it.
void Land(GameState& s, int p, uint16_t kind) {
    s.PlayField16[p - s.FieldWidth] = 0;
    s.PlayField16[p] = static_cast<uint16_t>(0x1700 | kind);
    if (kind == kZ)
        subZonkFrame(s, p);
    else
        subInfotronFrame(s, p);
}

// Cells relative to the landing cell.
struct Rel {
    int dx, dy;
    uint16_t v;
};
struct LandingCase {
    const char* what;
    uint16_t kind;
    const char* floor;
    std::vector<Rel> setup;   // written before the landing
    std::vector<Rel> cells;   // the field afterwards
    std::vector<Rel> timers;  // LevelBytes afterwards
    int killed;               // MurphyKilled, -1 unchecked
    int thuds;                // Zonk sounds, -1 unchecked
};

TEST(RoundLanding, WhatItHitsAndWhereItGoesOn) {
    using Case = LandingCase;
    const LandingCase cases[] = {
        Case("Snik Snak; the disk beside chains", kZ, "+O++.", {{0, 1, 17}},
             {{0, 1, kBlast}, {0, 0, kBlast}}, {{-1, 1, 13}}, 0, -1),
        Case("Electron moving down", kZ, "+.++.", {{0, 1, 0x2018}},
             {{0, 1, kEBlast}, {-1, 1, kEBlast}}, {}, 0, -1),
        // A Zonk takes the cell below-left out before the blast, so a disk there does not
        // explode again; an Infotron leaves it to be caught.
        Case("Zonk on Murphy, disk below-left", kZ, "+O++.", {{0, 1, 3}},
             {{0, 1, kBlast}, {-1, 1, kBlast}}, {{-1, 1, 0}}, 1, -1),
        Case("Infotron on Murphy, disk below-left", kI, "+O+++", {{0, 1, 3}}, {{0, 1, kBlast}},
             {{-1, 1, 13}}, 1, -1),
        Case("Zonk on Murphy, disk below-right", kZ, "+.+O.", {{0, 1, 3}}, {{0, 1, kBlast}},
             {{1, 1, 13}}, 1, -1),
        // An Electron below-left makes it an Electron's explosion only under a Zonk.
        Case("Zonk on Murphy, Electron below-left", kZ, "+.++.", {{-1, 1, 24}, {0, 1, 3}},
             {{0, 1, kEBlast}, {0, 0, kEBlast}}, {{-1, 1, 0}}, -1, -1),
        Case("Infotron on Murphy, Electron below-left", kI, "+++++", {{-1, 1, 24}, {0, 1, 3}},
             {{0, 1, kBlast}}, {}, -1, -1),
        // A Zonk finds an enemy that has just left the cell below and takes it out of its cell;
        // an Infotron just stops on the trail.
        Case("Zonk on a Snik Snak's trail", kZ, "+...+", {{-1, 1, 0x1911}, {0, 1, kEnemyTrailLeft}},
             {{0, 1, kBlast}, {-1, 1, kBlast}}, {{-1, 1, 0}}, 0, -1),
        Case("Zonk on an Electron's trail", kZ, "+...+", {{1, 1, 0x2918}, {0, 1, kEnemyTrailRight}},
             {{0, 1, kEBlast}, {1, 1, kEBlast}}, {{1, 1, 0}}, 0, -1),
        Case("Infotron on a trail left", kI, "+++++", {{-1, 1, 0x1911}, {0, 1, kEnemyTrailLeft}},
             {{0, 0, kI}, {0, 1, kEnemyTrailLeft}, {-1, 1, 0x1911}}, {}, 0, 1),
        Case("Infotron on a trail right", kI, "+++++", {{-1, 1, 0x1911}, {0, 1, kEnemyTrailRight}},
             {{0, 0, kI}, {0, 1, kEnemyTrailRight}, {-1, 1, 0x1911}}, {}, 0, 1),
        Case("Infotron on a base", kI, "+++++", {{-1, 1, 0x1911}}, {{0, 0, kI}, {0, 1, 2}}, {}, 0,
             1),
        Case("Infotron on a leaving marker", kI, "+++++", {{-1, 1, 0x1911}, {0, 1, kLeaving}},
             {{0, 0, kI}, {0, 1, kLeaving}}, {}, 0, 1),
        // Disks: a Zonk does not hit them at once, an Infotron explodes them and enemies.
        Case("Zonk on a yellow disk", kZ, "+.Y+.", {}, {{0, 0, kZ}, {0, 1, 18}}, {}, 0, 1),
        Case("Zonk on a red disk", kZ, "+.D+.", {}, {{0, 0, kZ}, {0, 1, 20}}, {}, 0, 1),
        Case("Infotron on a red disk", kI, "++D++", {}, {{0, 0, kBlast}, {0, 1, kBlast}}, {}, 0,
             -1),
        Case("Infotron on a yellow disk", kI, "++Y++", {}, {{0, 0, kBlast}, {0, 1, kBlast}}, {}, 0,
             -1),
        Case("Infotron on an orange disk", kI, "++O++", {}, {{0, 0, kBlast}, {0, 1, kBlast}}, {}, 0,
             -1),
        Case("Infotron on a Snik Snak", kI, "+++++", {{0, 1, 17}}, {{0, 0, kBlast}, {0, 1, kBlast}},
             {}, 0, -1),
        Case("Infotron on a Snik Snak moving", kI, "+++++", {{0, 1, 0x2011}},
             {{0, 0, kBlast}, {0, 1, kBlast}}, {}, 0, -1),
        Case("Infotron on an Electron", kI, "+++++", {{0, 1, 24}},
             {{0, 0, kEBlast}, {0, 1, kEBlast}}, {}, 0, -1),
        // On something round it rolls on: left open, the roll is set up but not started.
        Case("Zonk on a Zonk, left open", kZ, "..Z..", {}, {{0, 0, 0x5001}, {-1, 0, kRollTarget}},
             {}, 0, 1),
        Case("Infotron on a Zonk, left open", kI, "+.Z++", {},
             {{0, 0, 0x5004}, {-1, 0, kRollTarget}}, {}, 0, -1),
        // Left cell taken, below-left free: rolls right and takes its first frame at once.
        Case("left taken", kZ, "..Z..", {{-1, 0, 2}}, {{0, 0, 0x6101}, {1, 0, kRollTarget}}, {}, 0,
             -1),
        // Below-left taken: rolls right only into an empty cell, set up for the next frame.
        Case("below-left taken", kZ, ".+Z..", {}, {{0, 0, 0x6001}, {1, 0, kRollTarget}}, {}, 0, -1),
        Case("below-left taken, right marked", kZ, ".+Z..", {{1, 0, kFallTarget}, {1, -1, 1}},
             {{0, 0, kZ}, {1, 0, kFallTarget}}, {}, 0, -1),
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        GameState s = Pit(c.floor);
        test::RecordingSound sound;
        s.sound = &sound;
        const int w = s.FieldWidth;
        const int p = w + 3;
        auto at = [&](const Rel& r) { return p + r.dy * w + r.dx; };
        for (const auto& r : c.setup) s.PlayField16[at(r)] = r.v;
        Land(s, p, c.kind);
        for (const auto& r : c.cells) EXPECT_EQ(s.PlayField16[at(r)], r.v) << r.dx << "," << r.dy;
        for (const auto& r : c.timers)
            EXPECT_EQ(s.LevelBytes[static_cast<size_t>(at(r))], r.v) << r.dx << "," << r.dy;
        if (c.killed >= 0) {
            EXPECT_EQ(s.MurphyKilled, c.killed);
        }
        if (c.thuds >= 0) {
            EXPECT_EQ(sound.count(Sample::Zonk), c.thuds);
        }
    }
}

TEST(RoundLanding, RestsOnMurphyOnlyWhilePushingSideways) {
    for (uint16_t kind : {kZ, kI}) {
        for (int state : {14, 15, 37, 38, 40, 41, 1, 2, 3, 36, 39, 42}) {
            SCOPED_TRACE(testing::Message() << kind << " on state " << state);
            const bool rests = state >= 14 && state != 36 && state != 39 && state != 42;
            GameState s = Pit("+.++.");
            const int w = s.FieldWidth;
            const int p = w + 3;
            const auto murphy = static_cast<uint16_t>(state * 256 + 3);
            s.PlayField16[p + w] = murphy;
            Land(s, p, kind);
            EXPECT_EQ(s.MurphyKilled, rests ? 0 : 1);
            if (rests) {
                EXPECT_EQ(s.PlayField16[p], kind);
                EXPECT_EQ(s.PlayField16[p + w], murphy);
            }
        }
    }
}

}  // namespace
}  // namespace tsn
