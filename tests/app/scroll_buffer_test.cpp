#include <gtest/gtest.h>

#include "presentation/scroll_buffer.h"
#include "presentation/sprite_buffer.h"
#include "sprite_sheet_fixture.h"

namespace tsn {
namespace {

struct Buffers {
    DisplayContext ctx;
    int16_t noDisplay = 0;
    ScrollBuffer scroll{ctx};
    SpriteBuffer sprites{ctx};
    int presents = 0;
    std::vector<int> waits;

    Buffers(int w = 640, int h = 480) {
        ctx.NoDisplay = &noDisplay;
        EXPECT_TRUE(scroll.CreateAtSize(w, h));
        EXPECT_TRUE(sprites.CreateFromImage(test::MakeSheet(), 16, 16));
        scroll.DestXOff = scroll.DestYOff = 32;
        sprites.DestXOff = sprites.DestYOff = 32;
        sprites.SetDestination(&scroll.Surface());
        scroll.Cls(0);
        scroll.presenter = [this] { ++presents; };
        scroll.waiter = [this](int ms) { waits.push_back(ms); };
    }
};

TEST(SpriteBuffer, SpritesLandInsideTheMargin) {
    Buffers b;
    EXPECT_EQ(b.sprites.CellWidth(), 32);
    b.sprites.BltEx(0, 0, 0);
    b.sprites.BltEx(64, 32, 17);
    b.sprites.BltEx(96, 96, 255);
    const QImage& img = b.scroll.Surface();
    EXPECT_EQ(test::SpriteAt(img, 32, 32), 0);
    EXPECT_EQ(test::SpriteAt(img, 63, 63), 0);
    EXPECT_EQ(test::SpriteAt(img, 31, 31), -1);  // margin untouched
    EXPECT_EQ(test::SpriteAt(img, 96, 64), 17);
    EXPECT_EQ(test::SpriteAt(img, 128, 128), 255);
    EXPECT_EQ(test::SpriteAt(img, 159, 159), 255);
}

TEST(SpriteBuffer, ClipsAtTheEdgesAndDrawsNothingWhileDisplayIsOff) {
    Buffers b(100, 100);
    b.sprites.BltEx(50, 50, 5);   // partly outside: clipped, no crash
    b.sprites.BltEx(-40, -40, 6); // partly above and left
    EXPECT_EQ(test::SpriteAt(b.scroll.Surface(), 99, 99), 5);
    EXPECT_EQ(test::SpriteAt(b.scroll.Surface(), 0, 0), 6);
    b.noDisplay = -1;
    b.sprites.BltEx(0, 0, 7);
    EXPECT_EQ(test::SpriteAt(b.scroll.Surface(), 40, 40), -1);
}

TEST(ScrollBuffer, WideAndTallLevelsGetTheSurfaceSixteenBitPositionsReach) {
    const struct {
        int w, h;
        QSize size;
    } cases[] = {{60, 24, {62 * 32, 26 * 32}},         {125, 125, {127 * 32, 127 * 32}},
                 {1024, 31, {1026 * 32, 33 * 32}},     {1025, 31, {1026 * 32, 33 * 32}},
                 {32671, 1, {1026 * 32, 3 * 32}},      {3, 10857, {5 * 32, 1026 * 32}}};
    for (const auto& c : cases) EXPECT_EQ(ScrollBufferSize(c.w, c.h), c.size) << c.w << " x " << c.h;

    // The last column a 16-bit pixel position reaches is drawn whole; a wrapped one is clipped.
    const QSize wide = ScrollBufferSize(32671, 1);
    Buffers b(wide.width(), wide.height());
    b.sprites.BltEx(32736, 0, 17);
    b.sprites.BltEx(-32768, 0, 17);
    EXPECT_EQ(test::SpriteAt(b.scroll.Surface(), 32768, 32), 17);
    EXPECT_EQ(test::SpriteAt(b.scroll.Surface(), 32799, 63), 17);
}

TEST(ScrollBuffer, VisiblePartShrinksWithTheZoom) {
    Buffers b;
    b.ctx.Stretch = 2.0f;
    int16_t x = 20, y = 10;  // zoomed pixels: buffer position (10, 5)
    b.scroll.ScrollTo(x, y);
    EXPECT_EQ(x, 10);
    EXPECT_EQ(y, 5);
    EXPECT_EQ(b.scroll.SourceRect(QSize(640, 480)), QRect(42, 37, 320, 240));
    b.ctx.Stretch = 0.75f;  // 100 / 0.75 = 133.33
    EXPECT_EQ(b.scroll.SourceRect(QSize(100, 3)).size(), QSize(133, 4));
    EXPECT_EQ(b.ctx.ScrollX, 10);
    EXPECT_EQ(b.ctx.ScrollY, 5);
}

TEST(ScrollBuffer, ScrollTowardsMovesAtMostOneStepAlongTheLine) {
    Buffers b;
    int16_t x = 10, y = 0;
    b.scroll.ScrollTowards(x, y, 2.0);
    EXPECT_EQ(b.scroll.ScrollXPos(), 2);
    EXPECT_EQ(b.scroll.ScrollYPos(), 0);
    // Diagonal: 30,40 is 50 away; a step of 5 moves by (3, 4).
    int16_t tx = 32, ty = 40;
    b.scroll.ScrollTowards(tx, ty, 5.0);
    EXPECT_EQ(b.scroll.ScrollXPos(), 5);
    EXPECT_EQ(b.scroll.ScrollYPos(), 4);
    // Close enough: lands exactly.
    int16_t nx = 6, ny = 5;
    b.scroll.ScrollTowards(nx, ny, 2.0);
    EXPECT_EQ(b.scroll.ScrollXPos(), 6);
    EXPECT_EQ(b.scroll.ScrollYPos(), 5);
    EXPECT_EQ(b.presents, 0);  // the caller presents
    b.noDisplay = -1;
    int16_t fx = 100, fy = 100;
    b.scroll.ScrollTowards(fx, fy, 50.0);
    b.scroll.ScrollTo(fx, fy);
    EXPECT_EQ(b.scroll.ScrollXPos(), 6);
}

TEST(ScrollBuffer, GlideStepCounts) {
    EXPECT_EQ(SoftScrollSteps(100, 0, 250, 25), 6);
    EXPECT_EQ(SoftScrollSteps(3, -2, 250, 25), 3);
    EXPECT_EQ(SoftScrollSteps(0, 0, 250, 25), 1);

    Buffers b;
    int16_t x = 100, y = 0;
    b.scroll.SoftScrollTo(x, y, 250, 25);
    EXPECT_EQ(b.presents, 7);
    EXPECT_EQ(b.waits, std::vector<int>(7, 40));
    EXPECT_EQ(b.scroll.ScrollXPos(), 100);

    Buffers still;
    int16_t zx = 0, zy = 0;
    still.scroll.SoftScrollTo(zx, zy, 250, 25);
    EXPECT_EQ(still.presents, 2);  // one step and the final present
}

TEST(ScrollBuffer, GlideStopsWhenAbortedAndIgnoresNestedCalls) {
    Buffers b;
    int nested = 0;
    b.scroll.waiter = [&](int) {
        int16_t nx = 5, ny = 5;
        b.scroll.SoftScrollTo(nx, ny, 250, 25);  // busy: returns at once
        if (++nested == 3) b.ctx.ScrollAbort = true;
    };
    int16_t x = 100, y = 0;
    b.scroll.SoftScrollTo(x, y, 250, 25);
    EXPECT_EQ(nested, 3);
    EXPECT_EQ(b.presents, 3);
    EXPECT_LT(b.scroll.ScrollXPos(), 100);
}

TEST(ScrollBuffer, GridOutlinesFieldCellsOnly) {
    Buffers b(3 * 32 + 64, 2 * 32 + 64);
    b.scroll.DrawGrid(0x0000FF, 3, 2, false);  // red
    const QImage& img = b.scroll.Surface();
    EXPECT_EQ(img.pixel(32, 50) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(128, 96) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(img.pixel(10, 10) & 0xFFFFFF, 0u);
    EXPECT_EQ(b.presents, 1);
    b.scroll.DrawGrid(0x0000FF, 3, 2, true);  // non-standard level: nothing, no present
    EXPECT_EQ(b.presents, 1);
}

}  // namespace
}  // namespace tsn
