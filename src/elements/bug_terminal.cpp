// Bugs spark from time to time and terminals blink; both take their timing from the random
// generator, one draw per bug ending its spark and one per terminal ending its wait, in the
// order the frame visits the cells. The draws happen whether or not anything is displayed.
#include "elements/elements.h"
#include "engine/animation.h"
#include "engine/cell.h"
#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "engine/random.h"
#include "engine/sounds.h"

namespace tsn {

namespace {
constexpr int kLastSparkFrame = 13;
constexpr int kTerminalSprite = 128;
}  // namespace

// A bug's state is a signed byte: negative while it rests (it is then eaten like a base),
// 0..13 while it sparks. It steps on every fourth frame.
void subBugFrame(GameState& s, int p) {
    auto& c = s.PlayField16[p];
    if (LowByte(c) != kBug || (s.Frames() & 3) != 0) return;
    int state = SignedByte(HighByte(c)) + 1;
    if (state > kLastSparkFrame) state = -32 - (RandomNumber(s) & 63);  // rests 32..95 steps
    SetHighByte(c, state);
    if (state < 0) return;
    const int w = s.FieldWidth;
    const auto& f = s.PlayField16;
    const bool murphyNear = LowByte(f[p - w - 1]) == kMurphy || LowByte(f[p - w]) == kMurphy ||
                            LowByte(f[p - w + 1]) == kMurphy || LowByte(f[p - 1]) == kMurphy ||
                            LowByte(f[p + 1]) == kMurphy || LowByte(f[p + w - 1]) == kMurphy ||
                            LowByte(f[p + w]) == kMurphy || LowByte(f[p + w + 1]) == kMurphy;
    if (murphyNear) PlayBugSound(s);
    s.DrawCellSprite(p, BugFrames[static_cast<size_t>(state)]);
}

// A terminal's state is a signed countdown; when it runs out the terminal shows its next blink
// frame and waits a random time again (shorter once a terminal has been used).
void subTerminalFrame(GameState& s, int p) {
    auto& c = s.PlayField16[p];
    if (LowByte(c) != kTerminal) return;
    const int state = SignedByte(HighByte(c)) + 1;
    if (state < 1) {
        SetHighByte(c, state);
        return;
    }
    SetHighByte(c, -(RandomNumber(s) & s.TerminalBlinkMask));
    uint8_t& blink = s.TerminalBlinkTimer[static_cast<size_t>(p)];
    int t = blink + 1;
    if (t == 8) t = 0;
    if (t > 15) t = 8;
    blink = static_cast<uint8_t>(t);
    s.DrawCellSprite(p, kTerminalSprite + t);
}

}  // namespace tsn
