#pragma once
// Turns the play field into sprites in the scroll buffer: the cell variants, the view frame
// and the region of the level that is shown.
#include <cstdint>
#include <functional>

namespace tsn {

struct GameState;
struct WindowFlags;
class SpriteBuffer;
class ScrollBuffer;

// The sprite a level-file code is drawn with. Outside the editor, and while a level started
// from the editor is test-played, special ports look like the ordinary port of their
// direction; outside the editor the trash hardware (41) shows as space and the editor's bug
// (76) as base.
int SpriteForCode(int code, bool editMode, bool testPlay);

// The inclusive column and row range that is drawn, and the size of the shown region.
struct DisplayRegion {
    int MinX = 1, MaxX = 58, MinY = 1, MaxY = 22;
    int Width = 60, Height = 24;
};
DisplayRegion RegionFor(int fieldWidth, int fieldHeight, bool borderShown);

class FieldRenderer {
public:
    FieldRenderer(GameState& s, WindowFlags& flags, SpriteBuffer*& sprites, ScrollBuffer*& scroll)
        : s_(s), flags_(flags), sprites_(sprites), scroll_(scroll) {}

    bool BorderShown = false;
    bool EditMode = false;
    // The editor's grid over every cell (none for levels of other than the standard size).
    bool ShowGrid = false;
    uint32_t GridColor = 0;
    DisplayRegion Region;
    // Draws a Snik Snak or an Electron at its cell in its current phase; without it the
    // element's resting sprite is drawn.
    std::function<void(int cell)> drawAnimated;

    void DrawSprite(int column, int row, int sprite);
    void DrawField(int column, int row);            // from the level as loaded
    void DrawField3(int column, int row);           // as the level stands at game start
    void DrawField98(int column, int row);          // the live field's raw low byte
    void DrawField99(int column, int row);          // yellow disks only
    void DrawFieldNoAnimated(int column, int row);  // space under enemies
    void DrawFieldAnimated(int column, int row);    // the enemies themselves
    void DrawFrame(int inset);
    void RestoreFrame();
    // The editor's grid lines around every cell, and around one cell; both present.
    void DrawGrid();
    void DrawGrid2(int column, int row);

    // Sets the region from the border choice and, with a level loaded, draws the frame.
    void SetDisplayRegion();
    // The whole shown region (what is drawn depends on whether a game runs), then presents.
    void DisplayLevel();
    // A freshly started level; does not present.
    void LoadDisplayLevel();
    // The live field as raw sprite numbers (memory view).
    void ShowLevelInMemory();
    // Every cell of the region with DrawField.
    void DrawWholeRegion();

private:
    template <typename F>
    void ForRegion(F f) {
        for (int y = Region.MinY; y <= Region.MaxY; ++y)
            for (int x = Region.MinX; x <= Region.MaxX; ++x) f(x, y);
    }
    uint16_t Live(int column, int row) const;

    GameState& s_;
    WindowFlags& flags_;
    SpriteBuffer*& sprites_;
    ScrollBuffer*& scroll_;
};

}  // namespace tsn
