#include "presentation/level_surface.h"

namespace tsn {

bool BuildLevelSurface(DisplayContext& ctx, const QImage& sheet, int fieldWidth, int fieldHeight,
                       LevelSurface& out) {
    out = LevelSurface{};
    auto scroll = std::make_unique<ScrollBuffer>(ctx);
    const QSize size = ScrollBufferSize(fieldWidth, fieldHeight);
    auto sprites = std::make_unique<SpriteBuffer>(ctx);
    if (!scroll->CreateAtSize(size.width(), size.height()) || !sprites->CreateFromImage(sheet, 16, 16))
        return false;
    scroll->DestXOff = scroll->DestYOff = 32;
    sprites->DestXOff = sprites->DestYOff = 32;
    sprites->SetDestination(&scroll->Surface());
    scroll->Surface().fill(BgrToRgb(0));
    out.scroll = std::move(scroll);
    out.sprites = std::move(sprites);
    return true;
}

QRect ShownRect(const DisplayRegion& region) {
    // Cell c lies at surface pixel 32 * (c + 1); the frame takes one cell on every side.
    return QRect(32 * region.MinX, 32 * region.MinY, 32 * (region.MaxX - region.MinX + 3),
                 32 * (region.MaxY - region.MinY + 3));
}

}  // namespace tsn
