#include "presentation/field_renderer.h"

#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "presentation/scroll_buffer.h"
#include "presentation/sprite_buffer.h"
#include "presentation/window_flags.h"

namespace tsn {

int SpriteForCode(int code, bool editMode, bool testPlay) {
    if (editMode && !testPlay) return code;
    if (code >= kSpecialPortRight && code <= kSpecialPortUp) return code - 4;
    if (editMode) return code;
    if (code == kHardwareTrash1) return kSpace;
    if (code == kEditorBug) return kBase;
    return code;
}

DisplayRegion RegionFor(int fieldWidth, int fieldHeight, bool borderShown) {
    DisplayRegion r;
    if (borderShown) {
        r.MinX = 0;
        r.MinY = 0;
        r.MaxX = fieldWidth - 1;
        r.MaxY = fieldHeight - 1;
        r.Width = fieldWidth + 2;
        r.Height = fieldHeight + 2;
    } else {
        r.MinX = 1;
        r.MinY = 1;
        r.MaxX = fieldWidth - 2;
        r.MaxY = fieldHeight - 2;
        r.Width = fieldWidth;
        r.Height = fieldHeight;
    }
    return r;
}

uint16_t FieldRenderer::Live(int column, int row) const {
    return s_.PlayField16[row * s_.FieldWidth + column];
}

void FieldRenderer::DrawSprite(int column, int row, int sprite) {
    if (s_.NoDisplay != 0 || sprites_ == nullptr) return;
    sprites_->BltEx(static_cast<int16_t>(32 * column), static_cast<int16_t>(32 * row), sprite);
}

void FieldRenderer::DrawField(int column, int row) {
    const int i = row * s_.FieldWidth + column;
    if (i < 0 || i >= static_cast<int>(s_.FieldBytes.size())) return;
    const bool testPlay = EditMode && flags_.PlayFromEditor != 0 && flags_.GameRunning != 0;
    DrawSprite(column, row, SpriteForCode(s_.FieldBytes[static_cast<size_t>(i)], EditMode, testPlay));
}

void FieldRenderer::DrawField3(int column, int row) {
    const int code = Live(column, row) & 0xFF;
    switch (code) {
        case kZonk:
        case kBase:
        case kMurphy:
        case kInfotron:
        case kOrangeDisk:
            DrawSprite(column, row, code);
            return;
        default:
            break;
    }
    if (code >= 5 && code <= 41) {
        const int i = row * s_.FieldWidth + column;
        DrawSprite(column, row, SpriteForCode(s_.FieldBytes[static_cast<size_t>(i)], false, false));
    }
}

void FieldRenderer::DrawField98(int column, int row) { DrawSprite(column, row, Live(column, row) & 0xFF); }

void FieldRenderer::DrawField99(int column, int row) {
    if ((Live(column, row) & 0xFF) == kYellowDisk) DrawSprite(column, row, kYellowDisk);
}

void FieldRenderer::DrawFieldNoAnimated(int column, int row) {
    const int code = Live(column, row) & 0xFF;
    if (code == kSnikSnak || code == kElectron) DrawSprite(column, row, kSpace);
}

void FieldRenderer::DrawFieldAnimated(int column, int row) {
    const int code = Live(column, row) & 0xFF;
    if (code != kSnikSnak && code != kElectron) return;
    if (drawAnimated)
        drawAnimated(row * s_.FieldWidth + column);
    else
        DrawSprite(column, row, code);
}

void FieldRenderer::DrawFrame(int inset) {
    const int x0 = inset - 1, x1 = s_.FieldWidth - inset;
    const int y0 = inset - 1, y1 = s_.FieldHeight - inset;
    DrawSprite(x0, y0, 55);
    DrawSprite(x0, y1, 55);
    DrawSprite(x1, y0, 55);
    DrawSprite(x1, y1, 55);
    for (int x = x0 + 1; x <= x1 - 1; ++x) {
        DrawSprite(x, y0, 111);
        DrawSprite(x, y1, 111);
    }
    for (int y = y0 + 1; y <= y1 - 1; ++y) {
        DrawSprite(x0, y, 110);
        DrawSprite(x1, y, 110);
    }
}

void FieldRenderer::RestoreFrame() {
    for (int x = 0; x < s_.FieldWidth; ++x) {
        DrawField(x, 0);
        DrawField(x, s_.FieldHeight - 1);
    }
    for (int y = 1; y <= s_.FieldHeight - 2; ++y) {
        DrawField(0, y);
        DrawField(s_.FieldWidth - 1, y);
    }
}

void FieldRenderer::DrawGrid() {
    if (scroll_ != nullptr) scroll_->DrawGrid(GridColor, s_.FieldWidth, s_.FieldHeight, s_.NonStandardLevel);
}

void FieldRenderer::DrawGrid2(int column, int row) {
    if (scroll_ != nullptr) scroll_->DrawGrid2(GridColor, column, row, s_.NonStandardLevel);
}

void FieldRenderer::SetDisplayRegion() {
    Region = RegionFor(s_.FieldWidth, s_.FieldHeight, BorderShown);
    if (!s_.LevelLoaded) return;
    if (BorderShown)
        RestoreFrame();
    else
        DrawFrame(1);
}

void FieldRenderer::DrawWholeRegion() {
    ForRegion([this](int x, int y) { DrawField(x, y); });
}

void FieldRenderer::DisplayLevel() {
    if (s_.NoDisplay != 0) return;
    SetDisplayRegion();
    DrawFrame(BorderShown ? 0 : 1);
    if (EditMode) {
        if (flags_.GameRunning != 0) {
            ForRegion([this](int x, int y) { DrawFieldNoAnimated(x, y); });
            ForRegion([this](int x, int y) { DrawFieldAnimated(x, y); });
        } else {
            DrawWholeRegion();
            if (ShowGrid) DrawGrid();
        }
    } else if (flags_.GameRunning == 0) {
        DrawWholeRegion();
    } else if (flags_.ForceFullRedraw) {
        DrawWholeRegion();
        flags_.ForceFullRedraw = false;
    } else {
        ForRegion([this](int x, int y) { DrawField99(x, y); });
        ForRegion([this](int x, int y) { DrawFieldNoAnimated(x, y); });
        ForRegion([this](int x, int y) { DrawFieldAnimated(x, y); });
    }
    if (scroll_ != nullptr) scroll_->Blt();
}

void FieldRenderer::LoadDisplayLevel() {
    if (s_.NoDisplay != 0 || !s_.LevelLoaded) return;
    SetDisplayRegion();
    DrawFrame(0);
    if (!BorderShown) DrawFrame(1);
    ForRegion([this](int x, int y) { DrawField3(x, y); });
    ForRegion([this](int x, int y) { DrawFieldNoAnimated(x, y); });
    ForRegion([this](int x, int y) { DrawFieldAnimated(x, y); });
}

void FieldRenderer::ShowLevelInMemory() {
    ForRegion([this](int x, int y) { DrawField98(x, y); });
}

}  // namespace tsn
