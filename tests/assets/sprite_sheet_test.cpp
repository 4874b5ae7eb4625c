// The sprite sheet as the game loads it: a 512 x 512 24-bit bitmap of 16 x 16 cells.
#include <gtest/gtest.h>

#include <array>
#include <set>

#include "data_files.h"

namespace tsn {
namespace {

using Cell = std::array<uint32_t, 32 * 32>;

class SpriteSheet : public ::testing::Test {
protected:
    static void SetUpTestSuite() { bytes_ = test::ReadDataFile("tsn32.bmp"); }
    // Pixel (x, y) of sprite n, counted from the sheet's top-left cell, as 0xRRGGBB.
    static Cell Sprite(int n) {
        Cell c{};
        const uint32_t offset = test::Le32(bytes_, 10);
        for (int y = 0; y < 32; ++y)
            for (int x = 0; x < 32; ++x) {
                const int sx = (n % 16) * 32 + x, sy = (n / 16) * 32 + y;
                const size_t at = offset + size_t(511 - sy) * 512 * 3 + size_t(sx) * 3;
                c[size_t(y * 32 + x)] =
                    uint32_t(bytes_[at + 2]) << 16 | uint32_t(bytes_[at + 1]) << 8 | bytes_[at];
            }
        return c;
    }
    static int PixelsUnlike(const Cell& c, uint32_t colour) {
        int n = 0;
        for (uint32_t p : c) n += p != colour;
        return n;
    }
    static std::vector<uint8_t> bytes_;
};
std::vector<uint8_t> SpriteSheet::bytes_;

std::vector<int> Range(int first, int last) {
    std::vector<int> v;
    for (int i = first; i <= last; ++i) v.push_back(i);
    return v;
}

// The half of the last Infotron-eating picture that lands in the cell Murphy has left: nothing
// draws that cell again, so it must be empty space like sprite 0.
constexpr int kLeftEatVacated = 223;
constexpr int kRightEatVacated = 238;

// Every sprite number the game draws with a picture, apart from 0 (empty space, plain by
// design) and the two vacated halves above.
std::vector<int> DrawnSprites() {
    std::vector<int> all;
    for (auto r : {Range(1, 55), Range(56, 89), Range(91, 151), Range(160, 198), Range(200, 206),
                   Range(208, 255)})
        for (int n : r)
            if (n != kLeftEatVacated && n != kRightEatVacated) all.push_back(n);
    return all;
}

TEST_F(SpriteSheet, IsAnUncompressed24BitBitmapOf512By512) {
    ASSERT_EQ(bytes_.size(), 54u + 512u * 512u * 3u);
    EXPECT_EQ(bytes_[0], 'B');
    EXPECT_EQ(bytes_[1], 'M');
    EXPECT_EQ(test::Le32(bytes_, 2), bytes_.size());
    EXPECT_EQ(test::Le32(bytes_, 10), 54u);
    EXPECT_EQ(test::Le32(bytes_, 18), 512u);  // width
    EXPECT_EQ(test::Le32(bytes_, 22), 512u);  // height, positive: rows stored bottom-up
    EXPECT_EQ(test::Le16(bytes_, 28), 24);
    EXPECT_EQ(test::Le32(bytes_, 30), 0u);  // no compression
}

TEST_F(SpriteSheet, EveryDrawnSpriteHasAPictureAndUnusedCellsStayPlain) {
    const uint32_t space = Sprite(0)[0];
    EXPECT_EQ(PixelsUnlike(Sprite(0), space), 0) << "empty space is one plain colour";
    const std::vector<int> drawn = DrawnSprites();
    const std::set<int> used(drawn.begin(), drawn.end());
    for (int n = 1; n < 256; ++n) {
        const int marks = PixelsUnlike(Sprite(n), space);
        if (used.count(n))
            EXPECT_GE(marks, 3) << "sprite " << n << " is blank";
        else
            EXPECT_EQ(marks, 0) << "sprite " << n << " should be plain empty space";
    }
}

TEST_F(SpriteSheet, ElementPicturesAreAllDifferent) {
    // The 44 element codes, the editor's wall-space and bug pictures and the used terminal.
    std::vector<int> distinct = Range(0, 43);
    distinct.push_back(76);
    distinct.push_back(136);
    for (size_t i = 0; i < distinct.size(); ++i)
        for (size_t j = i + 1; j < distinct.size(); ++j)
            EXPECT_NE(Sprite(distinct[i]), Sprite(distinct[j]))
                << "sprites " << distinct[i] << " and " << distinct[j] << " look the same";
}

TEST_F(SpriteSheet, AnimationFramesChangeFromPictureToPicture) {
    const std::vector<std::vector<int>> sequences = {Range(176, 183),
                                                     Range(184, 191),
                                                     Range(56, 67),
                                                     Range(68, 70),
                                                     Range(71, 73),
                                                     {1, 192, 193, 194, 195, 196, 197, 198},
                                                     {4, 200, 201, 202, 203, 204, 205, 206},
                                                     {2, 80, 81, 82, 83, 84, 85, 86},
                                                     {4, 87, 88, 89, 91, 92, 93},
                                                     {20, 96, 97, 98, 99, 100, 101, 102},
                                                     Range(103, 109),
                                                     Range(112, 119),
                                                     {25, 74, 75, 76, 77, 78},
                                                     Range(128, 135),
                                                     Range(136, 143),
                                                     Range(144, 151),
                                                     Range(120, 127),
                                                     Range(160, 167),
                                                     Range(168, 175),
                                                     Range(240, 247),
                                                     Range(248, 255),
                                                     {3, 46, 47, 48, 49, 50, 51, 52, 53, 54}};
    for (const auto& seq : sequences)
        for (size_t i = 0; i + 1 < seq.size(); ++i)
            EXPECT_NE(Sprite(seq[i]), Sprite(seq[i + 1]))
                << "frames " << seq[i] << " and " << seq[i + 1] << " are identical";
    // Murphy's snapping, pushing and walking directions are told apart.
    const std::vector<int> murphy = {3, 43, 44, 45, 46, 47, 79, 94, 95, 176, 184};
    for (size_t i = 0; i < murphy.size(); ++i)
        for (size_t j = i + 1; j < murphy.size(); ++j)
            EXPECT_NE(Sprite(murphy[i]), Sprite(murphy[j])) << murphy[i] << " vs " << murphy[j];
    // Each terminal frame has a distinct used counterpart.
    for (int i = 0; i < 8; ++i) EXPECT_NE(Sprite(128 + i), Sprite(136 + i));
}

TEST_F(SpriteSheet, MovingPicturesCarryTheEmptyBackground) {
    // Sprites are copied without transparency, so everything drawn between cells must show
    // empty space around the element: check the four corners.
    const uint32_t space = Sprite(0)[0];
    std::vector<int> moving = {1, 3, 4, 17, 24};
    for (auto r : {Range(176, 198),
                   Range(200, 206),
                   Range(160, 175),
                   Range(240, 255),
                   Range(120, 127),
                   Range(144, 151),
                   Range(44, 47),
                   {79, 94, 95}})
        moving.insert(moving.end(), r.begin(), r.end());
    for (int n : moving) {
        const Cell c = Sprite(n);
        EXPECT_EQ(c[0], space) << n;
        EXPECT_EQ(c[31], space) << n;
        EXPECT_EQ(c[31 * 32], space) << n;
        EXPECT_EQ(c[32 * 32 - 1], space) << n;
    }
}

TEST_F(SpriteSheet, ViewFramePiecesFitOnEverySide) {
    // 110 serves the left and the right edge, 111 the top and the bottom: each must read the
    // same from both sides. 55 is every corner: its rim is symmetric both ways (the bolt in
    // its middle may carry the common top-left light).
    const Cell corner = Sprite(55), side = Sprite(110), top = Sprite(111);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(side[size_t(y * 32 + x)], side[size_t(y * 32 + 31 - x)]);
            EXPECT_EQ(top[size_t(y * 32 + x)], top[size_t((31 - y) * 32 + x)]);
            const int ex = x < 16 ? x : 31 - x, ey = y < 16 ? y : 31 - y;
            if ((ex < ey ? ex : ey) >= 8) continue;
            EXPECT_EQ(corner[size_t(y * 32 + x)], corner[size_t(y * 32 + 31 - x)]);
            EXPECT_EQ(corner[size_t(y * 32 + x)], corner[size_t((31 - y) * 32 + x)]);
        }
}

// Horizontal centre of Murphy's warm-coloured pixels in a 64 x 32 picture made of two cells.
double MurphyCentre(const Cell& left, const Cell& right) {
    double sum = 0;
    int count = 0;
    for (int half = 0; half < 2; ++half)
        for (int i = 0; i < 32 * 32; ++i) {
            const uint32_t p = (half ? right : left)[size_t(i)];
            const int r = int(p >> 16), g = int((p >> 8) & 0xFF), b = int(p & 0xFF);
            if (r > g + 60 && r > b + 60) {
                sum += half * 32 + i % 32;
                ++count;
            }
        }
    return count ? sum / count : -1;
}

TEST_F(SpriteSheet, SidewaysInfotronPicturesAreTwoCellsWide) {
    // 208..239 are 64 x 32 pictures split over even (left half) and odd (right half) cells.
    // Eating to the left Murphy walks from the right half into the left one, about 4 pixels
    // a frame; eating to the right the other way round.
    double last = MurphyCentre(Sprite(208), Sprite(209));
    EXPECT_GT(last, 40);
    for (int n = 210; n < 224; n += 2) {
        const double c = MurphyCentre(Sprite(n), Sprite(n + 1));
        EXPECT_NEAR(last - c, 4, 1.5) << n;
        last = c;
    }
    EXPECT_LT(last, 20);
    last = MurphyCentre(Sprite(224), Sprite(225));
    EXPECT_LT(last, 24);
    for (int n = 226; n < 240; n += 2) {
        const double c = MurphyCentre(Sprite(n), Sprite(n + 1));
        EXPECT_NEAR(c - last, 4, 1.5) << n;
        last = c;
    }
    EXPECT_GT(last, 44);
}

}  // namespace
}  // namespace tsn
