#pragma once
// The game's picture: owns the scroll buffer and the sprite sheet, draws through the field
// renderer, follows Murphy, zooms and lays out the view pane. It is the engine's GameView.
#include <QImage>
#include <QString>
#include <functional>
#include <memory>

#include "engine/view.h"
#include "presentation/display_context.h"
#include "presentation/field_renderer.h"
#include "presentation/level_surface.h"
#include "presentation/viewport.h"

namespace tsn {

struct GameState;
struct WindowState;
class ScrollBuffer;
class SpriteBuffer;
class ViewPane;
class ViewPort;
class PanelDisplay;

class ViewController : public GameView {
public:
    ViewController(WindowState& s, ViewPort* port, ViewPane* pane, PanelDisplay& panel);
    ~ViewController() override;

    DisplayContext ctx;
    bool AutoScroll = true;
    bool PanelVisible = true;
    bool LimitToOriginal = true;
    bool WindowLoaded = false;
    bool KeyRepeatLock = false;  // zoom keys wait for the key-repeat timer
    ScrollEdges Edges;
    int16_t ScreenScrollXPos = 0;
    int16_t ScreenScrollYPos = 0;

    // The sheet every rebuild copies from.
    bool LoadSheet(const QString& path);
    void SetSheet(const QImage& sheet) { sheet_ = sheet; }
    const QImage& Sheet() const { return sheet_; }

    // Menu check marks of the zoom items.
    std::function<void(int item)> onZoomItemChecked;
    std::function<void(int item)> onZoomItemDisabled;
    // Runs before every whole-field display (the sprite-sheet check); false: nothing is drawn.
    std::function<bool()> beforeDisplay;
    // Waits a glide step (milliseconds) with events running.
    std::function<void(int ms)> waiter;
    // The system beep.
    std::function<void()> beep;

    FieldRenderer& Renderer() { return renderer_; }
    ScrollBuffer* Scroll() { return scroll_; }
    bool BorderShown() const { return renderer_.BorderShown; }
    void SetBorderShown(bool shown) { renderer_.BorderShown = shown; }
    int CheckedZoomItem() const { return zoomItem_; }

    void ReStretch(float newStretch);
    void MenuStretch(int index);
    void SetZoomMenu(int screenWidth, int screenHeight);
    void Zoom(bool zoomIn);      // keyboard step (beeps at 1.0)
    void Wheel(int rotation);    // mouse wheel step
    void ToggleBorder();

    void Present();              // paints the pane from the buffer now
    void PresentAlways();        // also while nothing is displayed (pane uncovered)
    void Layout();               // the view pane's resize handler
    void DisplayLevel();
    void LoadDisplayLevel();
    void ClearBuffer();
    void ShowLevelInMemory();
    void RedrawAll();            // clear, draw every cell, present

    void MurphyTarget();
    void ScrollToClamped(int16_t x, int16_t y);
    void ScrollTowardsClamped(int16_t x, int16_t y);
    void SoftScrollToClamped(int16_t x, int16_t y);

    QImage CapturePane() const;

    // GameView
    void drawSprite(int x, int y, int sprite) override;
    void drawField(const GameState& s) override;
    void showInfotronsNeeded(int value) override;
    void showSteps(int value) override;
    void showRedDisks(int value) override;
    void followMurphy(const GameState& s) override;
    void placeView(const GameState& s, bool gradually) override;
    void frameDone(const GameState& s) override;
    void hideRedDiskCount() override;

private:
    bool Rebuild();

    WindowState& s_;
    ViewPort* port_;
    ViewPane* pane_;
    PanelDisplay& panel_;
    QImage sheet_;
    LevelSurface surface_;
    ScrollBuffer* scroll_ = nullptr;
    SpriteBuffer* sprites_ = nullptr;
    FieldRenderer renderer_;
    int zoomItem_ = 8;
};

}  // namespace tsn
