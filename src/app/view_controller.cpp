#include "app/view_controller.h"

#include <QApplication>
#include <QCursor>

#include "app/panel_display.h"
#include "app/view_pane.h"
#include "app/window_state.h"
#include "presentation/rounding.h"
#include "presentation/scroll_buffer.h"
#include "presentation/sprite_buffer.h"

namespace tsn {

ViewController::ViewController(WindowState& s, ViewPort* port, ViewPane* pane, PanelDisplay& panel)
    : s_(s), port_(port), pane_(pane), panel_(panel), renderer_(s, s, sprites_, scroll_) {
    ctx.NoDisplay = &s.NoDisplay;
}

ViewController::~ViewController() = default;

bool ViewController::LoadSheet(const QString& path) {
    QImage img;
    if (!img.load(path)) return false;
    sheet_ = img;
    return true;
}

bool ViewController::Rebuild() {
    if (pane_ != nullptr) pane_->SetBuffer(nullptr);
    scroll_ = nullptr;
    sprites_ = nullptr;
    surface_ = LevelSurface{};
    if (!BuildLevelSurface(ctx, sheet_, s_.FieldWidth, s_.FieldHeight, surface_)) return false;
    scroll_ = surface_.scroll.get();
    sprites_ = surface_.sprites.get();
    scroll_->presenter = [this] { Present(); };
    scroll_->waiter = [this](int ms) {
        if (waiter) waiter(ms);
    };
    if (pane_ != nullptr) pane_->SetBuffer(scroll_);
    return true;
}

void ViewController::ReStretch(float newStretch) {
    if (!WindowLoaded) {
        ctx.Stretch = newStretch;
        return;
    }
    QApplication::setOverrideCursor(Qt::WaitCursor);
    while (!Rebuild()) {
        if (onZoomItemDisabled) onZoomItemDisabled(RoundTo32(ctx.Stretch * 8));
        if (ctx.Stretch >= 0.5f) {
            ctx.Stretch -= 0.125f;
            continue;
        }
        QApplication::restoreOverrideCursor();
        return;
    }
    if (s_.LevelLoaded && s_.NoDisplay == 0) {
        renderer_.SetDisplayRegion();
        Layout();
        DisplayLevel();
    }
    if (s_.NoDisplay == 0) {
        MurphyTarget();
        ScrollToClamped(ScreenScrollXPos, ScreenScrollYPos);
        Present();
    }
    QApplication::restoreOverrideCursor();
}

void ViewController::MenuStretch(int index) {
    const ZoomChoice z = ZoomForItem(index);
    zoomItem_ = z.item;
    if (onZoomItemChecked) onZoomItemChecked(z.item);
    ctx.Stretch = z.stretch;
    const int16_t saved = s_.NoDisplay;
    s_.NoDisplay = 0;
    ReStretch(ctx.Stretch);
    s_.NoDisplay = saved;
    if (!WindowLoaded || scroll_ == nullptr) return;
    if (s_.GameRunning != 0) {
        LoadDisplayLevel();
        Present();
    } else if (s_.LevelLoaded) {
        RedrawAll();
    }
}

void ViewController::SetZoomMenu(int screenWidth, int screenHeight) {
    if (ctx.Stretch == -1.0f) ctx.Stretch = AutoStretch(screenWidth, screenHeight);
    const int item = ZoomMenuItem(ctx.Stretch);
    if (item != 0) MenuStretch(item);
}

void ViewController::Zoom(bool zoomIn) {
    if (!s_.LevelLoaded) return;
    ctx.Stretch = ZoomStep(ctx.Stretch, zoomIn);
    if (ctx.Stretch == 1.0f && beep) beep();  // a mark for natural size
    MenuStretch(RoundTo32(ctx.Stretch * 8));
}

void ViewController::Wheel(int rotation) {
    ctx.Stretch = ZoomStep(ctx.Stretch, rotation >= 1);
    MenuStretch(RoundTo32(ctx.Stretch * 8));
}

void ViewController::ToggleBorder() {
    renderer_.BorderShown = !renderer_.BorderShown;
    if (WindowLoaded && s_.LevelLoaded) {
        if (renderer_.BorderShown)
            renderer_.RestoreFrame();
        else
            renderer_.DrawFrame(1);
    }
    ReStretch(ctx.Stretch);
    if (s_.GameRunning != 0) {
        LoadDisplayLevel();
        DisplayLevel();
    }
}

void ViewController::Present() {
    if (s_.NoDisplay != 0 || pane_ == nullptr) return;
    pane_->repaint();
}

void ViewController::PresentAlways() {
    if (pane_ != nullptr) pane_->repaint();
}

void ViewController::Layout() {
    if (port_ == nullptr || pane_ == nullptr) return;
    const PaneSize p = LayoutPane(port_->width(), port_->height(), renderer_.Region, ctx.Stretch,
                                  LimitToOriginal, PanelVisible);
    pane_->setGeometry((port_->width() - p.width) / 2, (port_->height() - p.height) / 2, p.width,
                       p.height);
    Edges = ComputeScrollEdges(renderer_.Region, ctx.Stretch, p.width, p.height);
    if (s_.GameRunning != 0) {
        MurphyTarget();
        ScrollToClamped(static_cast<int16_t>(ScreenScrollXPos + 1),
                        static_cast<int16_t>(ScreenScrollYPos + 1));
    } else {
        ScrollToClamped(RoundTo16(ctx.ScrollX * static_cast<double>(ctx.Stretch)),
                        RoundTo16(ctx.ScrollY * static_cast<double>(ctx.Stretch)));
    }
}

void ViewController::DisplayLevel() {
    if (beforeDisplay && !beforeDisplay()) return;
    renderer_.DisplayLevel();
}

void ViewController::LoadDisplayLevel() { renderer_.LoadDisplayLevel(); }

void ViewController::ClearBuffer() {
    if (scroll_ != nullptr) scroll_->Cls(0);
}

void ViewController::ShowLevelInMemory() {
    ClearBuffer();
    renderer_.ShowLevelInMemory();
    Present();
}

void ViewController::RedrawAll() {
    if (scroll_ == nullptr) return;
    ClearBuffer();
    renderer_.DrawWholeRegion();
    DisplayLevel();
    Present();
}

void ViewController::MurphyTarget() {
    const int w = pane_ != nullptr ? pane_->width() : 0;
    const int h = pane_ != nullptr ? pane_->height() : 0;
    MurphyScrollTarget(s_.MurphyScreenXPos, s_.MurphyScreenYPos, ctx.Stretch, w, h,
                       ScreenScrollXPos, ScreenScrollYPos);
}

void ViewController::ScrollToClamped(int16_t x, int16_t y) {
    if (scroll_ == nullptr) return;
    ClampScrollTarget(Edges, x, y);
    scroll_->ScrollTo(x, y);
}

void ViewController::ScrollTowardsClamped(int16_t x, int16_t y) {
    if (scroll_ == nullptr) return;
    ClampScrollTarget(Edges, x, y);
    scroll_->ScrollTowards(x, y, 2.0 * ctx.Stretch);
}

void ViewController::SoftScrollToClamped(int16_t x, int16_t y) {
    if (scroll_ == nullptr) return;
    ClampScrollTarget(Edges, x, y);
    scroll_->SoftScrollTo(x, y, 250, 25);
}

QImage ViewController::CapturePane() const {
    if (pane_ == nullptr) return {};
    return pane_->grab().toImage();
}

void ViewController::drawSprite(int x, int y, int sprite) {
    if (sprites_ != nullptr) sprites_->BltEx(static_cast<int16_t>(x), static_cast<int16_t>(y), sprite);
}

void ViewController::drawField(const GameState&) { LoadDisplayLevel(); }

void ViewController::showInfotronsNeeded(int value) { panel_.ShowInfotronsNeeded(value); }
void ViewController::showSteps(int value) { panel_.ShowSteps(value); }
void ViewController::showRedDisks(int value) { panel_.ShowRedDiskCount(value); }
void ViewController::hideRedDiskCount() { panel_.ClearRedDiskCount(); }

void ViewController::followMurphy(const GameState&) { MurphyTarget(); }

void ViewController::placeView(const GameState&, bool gradually) {
    MurphyTarget();
    if (!AutoScroll) return;
    if (gradually)
        SoftScrollToClamped(ScreenScrollXPos, ScreenScrollYPos);
    else
        ScrollToClamped(ScreenScrollXPos, ScreenScrollYPos);
}

void ViewController::frameDone(const GameState&) {
    MurphyTarget();
    if (s_.NoDisplay == 0 && !ctx.ScrollAbort && AutoScroll)
        ScrollTowardsClamped(ScreenScrollXPos, ScreenScrollYPos);
}

}  // namespace tsn
