#pragma once
// How the engine reaches a screen and a loudspeaker. Both may be absent (a headless run);
// the engine never depends on what they do.
#include <cstdint>

namespace tsn {

struct GameState;

// Drawing and panel updates asked for by the engine during a run.
class GameView {
public:
    virtual ~GameView() = default;
    // Draws sprite number `sprite` with its top-left corner at field pixel (x, y): a cell's
    // position is (column * 32, row * 32), before the view's margin and zoom.
    virtual void drawSprite(int x, int y, int sprite) = 0;
    // Redraws every cell of the field from the state.
    virtual void drawField(const GameState& s) = 0;
    // Panel displays.
    virtual void showInfotronsNeeded(int value) = 0;
    virtual void showSteps(int value) = 0;
    virtual void showRedDisks(int value) = 0;
    // The view follows MurphyScreenXPos / MurphyScreenYPos.
    virtual void followMurphy(const GameState& s) = 0;
    // Level start: centre the view on Murphy, gliding there when `gradually`, else at once.
    virtual void placeView(const GameState& s, bool gradually) = 0;
    // The frame's work is done: the view takes its step toward Murphy.
    virtual void frameDone(const GameState& s) = 0;
    // The red-disk count shown by the Shift key has timed out.
    virtual void hideRedDiskCount() = 0;
};

enum class Sample : uint8_t { Zonk, Infotron, Bug, Explosion, Push, Exit, Base };
inline constexpr int kSampleCount = 7;

class SoundOut {
public:
    virtual ~SoundOut() = default;
    virtual void play(Sample sample) = 0;
};

}  // namespace tsn
