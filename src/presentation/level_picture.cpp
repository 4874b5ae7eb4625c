#include "presentation/level_picture.h"

#include <cmath>

#include "engine/game_state.h"

namespace tsn {

LevelPicture::LevelPicture(GameState& s, const QImage& sheet, bool borderShown)
    : s_(s), renderer_(s, flags_, sprites_, scroll_) {
    ctx_.NoDisplay = &s.NoDisplay;
    renderer_.BorderShown = borderShown;
    if (!BuildLevelSurface(ctx_, sheet, s.FieldWidth, s.FieldHeight, surface_)) return;
    scroll_ = surface_.scroll.get();
    sprites_ = surface_.sprites.get();
}

LevelPicture::~LevelPicture() {
    if (s_.view == this) s_.view = nullptr;
}

void LevelPicture::DrawLoadedLevel() { renderer_.DisplayLevel(); }

void LevelPicture::Attach() {
    s_.view = this;
    renderer_.SetDisplayRegion();
}

QImage LevelPicture::Picture() const {
    if (scroll_ == nullptr) return {};
    const QRect shown = ShownRect(renderer_.Region).intersected(scroll_->Surface().rect());
    return scroll_->Surface().copy(shown);
}

void LevelPicture::drawSprite(int x, int y, int sprite) {
    if (sprites_ != nullptr) sprites_->BltEx(static_cast<int16_t>(x), static_cast<int16_t>(y), sprite);
}

void LevelPicture::drawField(const GameState&) { renderer_.LoadDisplayLevel(); }

QImage ZoomedPicture(const QImage& picture, double zoom) {
    if (zoom == 1.0) return picture;
    const int w = std::max(1, static_cast<int>(std::lround(picture.width() * zoom)));
    const int h = std::max(1, static_cast<int>(std::lround(picture.height() * zoom)));
    return picture.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

}  // namespace tsn
