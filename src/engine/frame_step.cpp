#include "engine/frame_step.h"

#include <array>

#include "elements/elements.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/random.h"

namespace tsn {

namespace {

constexpr std::array<uint8_t, 256> MakeActiveTable() {
    std::array<uint8_t, 256> t{};
    for (int code : {kZonk, kInfotron, kOrangeDisk, kSnikSnak, kTerminal, kElectron, kBug,
                     kExplosion})
        t[static_cast<size_t>(code)] = 1;
    return t;
}
constexpr std::array<uint8_t, 256> kActsByItself = MakeActiveTable();

// Collects the cells whose element acts by itself. The list is fixed before any of them runs,
// so an element that moves on to a later cell is not run twice in one frame. Every cell is
// written and the count advanced only for active ones, which keeps the loop free of branches.
int CollectActiveCells(GameState& s) {
    const uint16_t* f = s.PlayField16.cell0();
    const int first = s.FieldWidth + 1;
    const int last = s.FieldUpper - s.FieldWidth - 1;
    int16_t* cells = s.ActiveCells.data();
    uint8_t* codes = s.ActiveCodes.data();
    int n = 0;
    for (int i = first; i <= last; ++i) {
        const auto code = static_cast<uint8_t>(f[i]);
        cells[n] = static_cast<int16_t>(i);
        codes[n] = code;
        n += kActsByItself[code];
    }
    return n;
}

}  // namespace

void DoGameStuff(GameState& s) {
    subMurphyFrame(s, s.MurphyPos);

    const int n = CollectActiveCells(s);
    for (int k = 0; k < n; ++k) {
        const int cell = s.ActiveCells[static_cast<size_t>(k)];
        switch (s.ActiveCodes[static_cast<size_t>(k)]) {
            case kZonk: subZonkFrame(s, cell); break;
            case kInfotron: subInfotronFrame(s, cell); break;
            case kOrangeDisk: subOrangeDiskFrame(s, cell); break;
            case kSnikSnak: subSnikSnakFrame(s, cell); break;
            case kTerminal: subTerminalFrame(s, cell); break;
            case kElectron: subElectronFrame(s, cell); break;
            case kBug: subBugFrame(s, cell); break;
            case kExplosion: subExplosionFrame(s, cell); break;
            default: break;
        }
    }

    // Murphy is gone or was hit: his last cell explodes and the level ends 64 frames later.
    if ((s.MurphyKilled == 1 || s.MurphyPresent == 0) && s.LeadOutCounter == 0) {
        s.MurphyKilled = 0;
        subExplodeAt(s, s.MurphyLastPos);
        s.LeadOutCounter = 64;
    }
}

void NextDemoKey(GameState& s) {
    if (s.DemoRepeatCount > 0) {
        s.DemoRepeatCount = static_cast<int16_t>(s.DemoRepeatCount - 1);
        return;
    }
    s.DemoReadIndex += 1;
    if (s.DemoReadIndex > s.LevelBufferUpper ||
        s.DemoReadIndex >= static_cast<int32_t>(s.LevelBytes.size())) {
        s.EndLevelNow = 1;
        return;
    }
    const uint8_t b = s.LevelBytes[static_cast<size_t>(s.DemoReadIndex)];
    if (b < 255) {
        s.MurphyInput = static_cast<int16_t>(b & 15);
        s.DemoRepeatCount = static_cast<int16_t>(b >> 4);
        return;
    }
    s.EndLevelNow = 1;
    s.LeadOutCounter = 64;
}

void TakeFrameInput(GameState& s, int keyAction) {
    if (s.DemoPlayback == 1) {
        NextDemoKey(s);
        return;
    }
    s.MurphyInput = static_cast<int16_t>(keyAction);
    s.DemoBuffer.AddDemoKey(keyAction);
    s.DemoBufferLive = true;
}

bool RunFrameWork(GameState& s) {
    DoGameStuff(s);

    if (s.RedDiskShowCount > 0) {
        s.RedDiskShowCount = static_cast<uint8_t>(s.RedDiskShowCount - 1);
        if (s.RedDiskShowCount == 0 && s.Drawing()) s.view->hideRedDiskCount();
    }
    subLaidRedDiskFrame(s);
    subTimedExplosions(s);
    if (s.ExplosionInProgress != 0) RandomNumber(s);
    s.FrameCounter += kFixedOne;
    if (s.Drawing()) s.view->frameDone(s);

    if (s.EndLevelNow == 1) return true;
    if (s.LeadOutCounter != 0) {
        s.LeadOutCounter = static_cast<int16_t>(s.LeadOutCounter - 1);
        if (s.LeadOutCounter == 0) return true;
    }
    return false;
}

}  // namespace tsn
