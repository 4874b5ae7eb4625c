#pragma once
// A view and a sound output that remember what the engine asked of them, for tests of what is
// drawn and heard in which frame.
#include <vector>

#include "engine/view.h"

namespace tsn::test {

struct DrawnSprite {
    int x;
    int y;
    int sprite;
    bool operator==(const DrawnSprite&) const = default;
};

class RecordingView : public GameView {
public:
    std::vector<DrawnSprite> drawn;

    void drawSprite(int x, int y, int sprite) override { drawn.push_back({x, y, sprite}); }
    void drawField(const GameState&) override {}
    void showInfotronsNeeded(int) override {}
    void showSteps(int) override {}
    void showRedDisks(int) override {}
    void followMurphy(const GameState&) override {}
    void placeView(const GameState&, bool) override {}
    void frameDone(const GameState&) override {}
    void hideRedDiskCount() override {}

    bool saw(DrawnSprite d) const {
        for (const auto& e : drawn)
            if (e == d) return true;
        return false;
    }
};

class RecordingSound : public SoundOut {
public:
    std::vector<Sample> played;
    void play(Sample sample) override { played.push_back(sample); }
    int count(Sample sample) const {
        int n = 0;
        for (Sample p : played) n += p == sample ? 1 : 0;
        return n;
    }
};

}  // namespace tsn::test
