#pragma once
// A level drawn without a window: the game's own surface, sprite sheet and field renderer
// behind the engine's view, so a headless run draws exactly what the window would draw. The
// command line's pictures come from here.
#include <QImage>

#include "engine/view.h"
#include "presentation/display_context.h"
#include "presentation/field_renderer.h"
#include "presentation/level_surface.h"
#include "presentation/window_flags.h"

namespace tsn {

struct GameState;

class LevelPicture : public GameView {
public:
    // The state must hold a loaded level; the picture draws while it is attached.
    LevelPicture(GameState& s, const QImage& sheet, bool borderShown);
    ~LevelPicture() override;
    LevelPicture(const LevelPicture&) = delete;
    LevelPicture& operator=(const LevelPicture&) = delete;

    // False when the surface for the level cannot be had or the sheet is not a picture.
    bool Valid() const { return scroll_ != nullptr; }

    // The level as loaded, the way the window shows it before a run.
    void DrawLoadedLevel();
    // Attaches the picture as the state's view: from now on the run draws on it.
    void Attach();

    // The shown region with its frame, at natural size.
    QImage Picture() const;

    // GameView
    void drawSprite(int x, int y, int sprite) override;
    void drawField(const GameState& s) override;
    void showInfotronsNeeded(int) override {}
    void showSteps(int) override {}
    void showRedDisks(int) override {}
    void followMurphy(const GameState&) override {}
    void placeView(const GameState&, bool) override {}
    void frameDone(const GameState&) override {}
    void hideRedDiskCount() override {}

private:
    GameState& s_;
    DisplayContext ctx_;
    WindowFlags flags_;  // no run of the window's: the level is drawn as loaded
    LevelSurface surface_;
    ScrollBuffer* scroll_ = nullptr;
    SpriteBuffer* sprites_ = nullptr;
    FieldRenderer renderer_;
};

// The picture scaled by `zoom` as the view scales it (nearest pixel, no smoothing).
QImage ZoomedPicture(const QImage& picture, double zoom);

}  // namespace tsn
