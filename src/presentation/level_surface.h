#pragma once
// The scroll buffer and the sprite sheet of one level, wired together: a surface of the
// level's size with its one-cell margin, and the sheet drawing into it. The window and the
// command line's pictures both draw on surfaces made here.
#include <QImage>
#include <QRect>
#include <memory>

#include "presentation/display_context.h"
#include "presentation/field_renderer.h"
#include "presentation/scroll_buffer.h"
#include "presentation/sprite_buffer.h"

namespace tsn {

struct LevelSurface {
    std::unique_ptr<ScrollBuffer> scroll;
    std::unique_ptr<SpriteBuffer> sprites;
};

// A cleared (black) surface for a level of the given size and the sheet (16 x 16 sprites)
// drawing into it. False, with both parts empty, when the surface cannot be had or the sheet
// is not a picture.
bool BuildLevelSurface(DisplayContext& ctx, const QImage& sheet, int fieldWidth, int fieldHeight,
                       LevelSurface& out);

// The part of the surface that holds the shown region and the frame around it: what the view
// shows at zoom 1 when it is large enough for the whole level.
QRect ShownRect(const DisplayRegion& region);

}  // namespace tsn
