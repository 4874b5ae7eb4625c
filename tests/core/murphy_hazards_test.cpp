// What happens when Murphy walks into something that moves, sparks or burns.
#include <gtest/gtest.h>

#include "scenario.h"

namespace tsn {
namespace {

using namespace test;
using enum Probe;

enum Outcome {
    Enters,  // cleared or eaten and walked into: one cell, one step
    Snaps,   // cleared from where he stands
    Blocks,  // he stays and lives
    Waits,   // he stays and lives, and the cell keeps its value
    Dies,    // the run is lost at once
};

// Murphy meets each of `values`: to his right, left, or above, depending on the action.
struct Meeting {
    int action;
    Outcome outcome;
    std::vector<uint16_t> values;
    int firstFrame = -1;  // his target cell's value after the first frame, when given
};

uint16_t Z(int group) {  // a Zonk in a move
    return static_cast<uint16_t>(group << 8 | 1);
}

const Meeting kMeetings[] = {
    // A bug is a base only while dormant (negative state), for snapping too.
    {kRight, Enters, {0xE019}},
    {kRight, Dies, {0x0019, 0x0519, 0x7F19}},
    {kSnapRight, Snaps, {0xC019}},
    {kSnapRight, Dies, {0x0319}},
    // A dying explosion (phase 4..127) is cleared and walked into; phase 0 only blocks; a
    // young explosion or an Electron's kills.
    {kRight, Enters, {0x041F, 0x071F, 0x7F1F}, 0x0403},
    {kRight, Blocks, {0x001F}},
    {kRight, Dies, {0x011F, 0x031F, 0x801F, 0x851F}},
    // Enemies at rest block, moving ones kill.
    {kRight, Blocks, {0x0011, 0x0018}},
    {kRight, Dies, {0x0111, 0x1811, 0x2818}},
    // Cells being left block; cells reserved for something arriving kill.
    {kRight, Waits, {kLeaving, kRollLeaving}},
    {kRight,
     Dies,
     {kRollTarget, kFallTarget, kEnemyTrailUp, kEnemyTrailLeft, kEnemyTrailDown, kEnemyTrailRight}},
    // Passive elements with a state only block: an orange disk about to fall, a special port
    // the wrong way round.
    {kRight, Blocks, {0x2008, 0x010B, 0x010C}},
    // A moving Zonk kills depending on its direction of travel and his; moving up or down into
    // any moving Zonk is fatal.
    {kLeft, Dies, {Z(0x10), Z(0x30), Z(0x60)}},
    {kLeft, Blocks, {Z(0x20), Z(0x40), Z(0x50), Z(0x70)}},
    {kRight, Dies, {Z(0x10), Z(0x20), Z(0x50)}},
    {kRight, Blocks, {Z(0x30), Z(0x40), Z(0x60), Z(0x70)}},
    {kUp, Dies, {Z(0x40)}},
};

TEST(MurphyHazards, WhatHeMeets) {
    for (const Meeting& m : kMeetings)
        for (uint16_t value : m.values) {
            // Murphy at (mx, my) meets the value at (tx, ty).
            const bool left = m.action == kLeft, up = m.action == kUp;
            const int mx = left ? 4 : 1, my = up ? 2 : 1, tx = left ? 3 : up ? 1 : 2, ty = 1;
            Scenario sc =
                Play(testing::PrintToString(value) + " action " + std::to_string(m.action),
                     left ? std::vector<std::string>{"######", "#...M#", "######"}
                     : up ? std::vector<std::string>{"###", "#.#", "#M#", "###"}
                          : std::vector<std::string>{"######", "#M...#", "######"},
                     Given({Is(EnemiesFrozen, 1), Is(ZonksFrozen, 2), CellIs(tx, ty, value)}));
            const bool first = m.firstFrame >= 0;
            if (first) sc.add(Hold(m.action, 1, {CellIs(tx, ty, m.firstFrame)}));
            switch (m.outcome) {
                case Enters:
                    sc.add(Hold(m.action, first ? 7 : 8,
                                {MurphyAt(tx, ty), CellIs(tx, ty, 3), Is(StepCount, 1)}));
                    break;
                case Snaps:
                    sc.add(Hold(m.action, 8, {CellIs(tx, ty, 0), MurphyAt(mx, my)}));
                    break;
                case Blocks:
                    sc.add(Hold(m.action, 1, {CellIs(mx, my, 3), Is(StepCount, 0)}));
                    break;
                case Waits:
                    sc.add(Hold(m.action, 3, {CellIs(mx, my, 3), CellIs(tx, ty, value)}));
                    break;
                case Dies:
                    sc.add(Hold(m.action, 1, {LowIs(mx, my, 31)}));
                    break;
            }
            sc.stretches.back().then.push_back(Is(RunLost, m.outcome == Dies));
            RunScenario(sc);
        }
}

}  // namespace
}  // namespace tsn
