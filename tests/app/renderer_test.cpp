#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "presentation/field_renderer.h"
#include "presentation/scroll_buffer.h"
#include "presentation/sprite_buffer.h"
#include "presentation/window_flags.h"
#include "sprite_sheet_fixture.h"
#include "test_level.h"

namespace tsn {
namespace {

TEST(SpriteForCode, SubstitutionsInPlayAndInTheEditor) {
    for (int code = 13; code <= 16; ++code) {
        EXPECT_EQ(SpriteForCode(code, false, false), code - 4);
        EXPECT_EQ(SpriteForCode(code, true, false), code);
        EXPECT_EQ(SpriteForCode(code, true, true), code - 4);
    }
    EXPECT_EQ(SpriteForCode(41, false, false), 0);
    EXPECT_EQ(SpriteForCode(76, false, false), 2);
    EXPECT_EQ(SpriteForCode(41, true, true), 41);
    EXPECT_EQ(SpriteForCode(76, true, false), 76);
    for (int code : {0, 1, 3, 6, 9, 12, 17, 24, 25, 40, 42, 43})
        EXPECT_EQ(SpriteForCode(code, false, false), code) << code;
}

TEST(DisplayRegion, BorderDecidesTheDrawnRange) {
    const DisplayRegion hidden = RegionFor(60, 24, false);
    EXPECT_EQ(hidden.MinX, 1);
    EXPECT_EQ(hidden.MaxX, 58);
    EXPECT_EQ(hidden.MinY, 1);
    EXPECT_EQ(hidden.MaxY, 22);
    EXPECT_EQ(hidden.Width, 60);
    const DisplayRegion shown = RegionFor(60, 24, true);
    EXPECT_EQ(shown.MinX, 0);
    EXPECT_EQ(shown.MaxY, 23);
    EXPECT_EQ(shown.Height, 26);
}

struct Scene {
    DisplayContext ctx;
    GameState s;
    WindowFlags flags;
    ScrollBuffer scrollObj{ctx};
    SpriteBuffer spriteObj{ctx};
    ScrollBuffer* scroll = &scrollObj;
    SpriteBuffer* sprites = &spriteObj;
    FieldRenderer r{s, flags, sprites, scroll};
    int presents = 0;

    explicit Scene(const std::vector<std::string>& rows) {
        s = test::MakeLevel(rows);
        ctx.NoDisplay = &s.NoDisplay;
        scrollObj.CreateAtSize((s.FieldWidth + 2) * 32, (s.FieldHeight + 2) * 32);
        spriteObj.CreateFromImage(test::MakeSheet(), 16, 16);
        scrollObj.DestXOff = scrollObj.DestYOff = spriteObj.DestXOff = spriteObj.DestYOff = 32;
        spriteObj.SetDestination(&scrollObj.Surface());
        scrollObj.Cls(0);
        scrollObj.presenter = [this] { ++presents; };
    }
    // Sprite at field cell (column, row); the margin is column/row -1.
    int At(int column, int row) const {
        return test::SpriteAt(scrollObj.Surface(), 32 * column + 32, 32 * row + 32);
    }
};

TEST(FieldRenderer, HiddenBorderFramesTheOuterRingAndDrawsTheInside) {
    Scene sc({
        "######",
        "#M}.I#",
        "#Z+.E#",
        "######",
    });
    sc.r.BorderShown = false;
    sc.r.DisplayLevel();
    EXPECT_EQ(sc.presents, 1);
    EXPECT_EQ(sc.At(0, 0), 55);
    EXPECT_EQ(sc.At(5, 3), 55);
    EXPECT_EQ(sc.At(2, 0), 111);
    EXPECT_EQ(sc.At(0, 1), 110);
    EXPECT_EQ(sc.At(1, 1), 3);
    EXPECT_EQ(sc.At(2, 1), 9);  // special port right shows as port right
    EXPECT_EQ(sc.At(4, 2), 7);
    EXPECT_EQ(sc.At(-1, -1), -1);  // margin stays empty

    sc.r.BorderShown = true;
    sc.r.DisplayLevel();
    EXPECT_EQ(sc.At(-1, -1), 55);
    EXPECT_EQ(sc.At(6, 4), 55);
    EXPECT_EQ(sc.At(0, 0), 6);  // the outer ring is drawn
    EXPECT_EQ(sc.At(0, 1), 6);
}

TEST(FieldRenderer, EditorShowsSpecialPortsAsThemselves) {
    Scene sc({"####", "#}M#", "####"});
    sc.r.EditMode = true;
    sc.r.DisplayLevel();
    EXPECT_EQ(sc.At(1, 1), 13);
}

TEST(FieldRenderer, GameStartPictureAndMemoryView) {
    Scene sc({
        "#######",
        "#M....#",
        "#######",
    });
    sc.flags.GameRunning = -1;
    sc.s.PlayField16[1 * 7 + 3] = 0x0111;  // a Snik Snak turning
    sc.s.PlayField16[1 * 7 + 5] = 24;
    sc.s.PlayField16[1 * 7 + 2] = 2;  // a base in the live field, space in the file
    std::vector<int> animated;
    sc.r.drawAnimated = [&](int cell) { animated.push_back(cell); };
    sc.r.LoadDisplayLevel();
    EXPECT_EQ(sc.presents, 0);
    EXPECT_EQ(sc.At(2, 1), 2);  // live base
    EXPECT_EQ(sc.At(3, 1), 0);  // space under the enemy, which draws itself
    EXPECT_EQ(animated, (std::vector<int>{1 * 7 + 3, 1 * 7 + 5}));
    sc.s.PlayField16[1 * 7 + 4] = 0x0412;
    sc.r.ShowLevelInMemory();
    EXPECT_EQ(sc.At(4, 1), 18);
}

TEST(FieldRenderer, NothingIsDrawnWhileDisplayIsOff) {
    Scene sc({"####", "#M.#", "####"});
    sc.s.NoDisplay = -1;
    sc.r.DisplayLevel();
    EXPECT_EQ(sc.presents, 0);
    EXPECT_EQ(sc.At(1, 1), -1);
}

}  // namespace
}  // namespace tsn
