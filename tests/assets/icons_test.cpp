// The three level-list icons load as 32 x 32 icons and can be told apart.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "data_files.h"

namespace tsn {
namespace {

struct Icon {
    int width = 0, height = 0;
    std::vector<uint32_t> argb;  // top row first
};

// Reads a single-image icon with a 32-bit bitmap the way an icon loader does.
Icon LoadIcon(const std::vector<uint8_t>& b) {
    Icon icon;
    if (b.size() < 22 || test::Le16(b, 0) != 0 || test::Le16(b, 2) != 1 || test::Le16(b, 4) < 1)
        return icon;
    const uint32_t size = test::Le32(b, 14), offset = test::Le32(b, 18);
    if (size_t(offset) + size > b.size() || test::Le32(b, offset) != 40) return icon;
    const int w = int(test::Le32(b, offset + 4)), h2 = int(test::Le32(b, offset + 8));
    if (test::Le16(b, offset + 14) != 32 || w != b[6] || h2 != 2 * b[7]) return icon;
    const int h = h2 / 2;
    if (size < 40u + uint32_t(w * h * 4)) return icon;
    icon.width = w;
    icon.height = h;
    icon.argb.resize(size_t(w * h));
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const size_t at = offset + 40 + size_t((h - 1 - y) * w + x) * 4;
            icon.argb[size_t(y * w + x)] = uint32_t(b[at + 3]) << 24 | uint32_t(b[at + 2]) << 16 |
                                           uint32_t(b[at + 1]) << 8 | b[at];
        }
    return icon;
}

TEST(LevelIcons, LoadAsDistinct32By32Icons) {
    std::array<Icon, 3> icons;
    const char* names[3] = {"Images/Played32.ico", "Images/Skipped32.ico",
                            "Images/NotPlayed32.ico"};
    for (int i = 0; i < 3; ++i) {
        icons[size_t(i)] = LoadIcon(test::ReadDataFile(names[i]));
        const Icon& icon = icons[size_t(i)];
        ASSERT_EQ(icon.width, 32) << names[i];
        ASSERT_EQ(icon.height, 32) << names[i];
        int opaque = 0;
        for (uint32_t p : icon.argb) opaque += (p >> 24) == 255;
        // A round mark: mostly drawn, with transparent corners.
        EXPECT_GT(opaque, 300) << names[i];
        EXPECT_EQ(icon.argb[0] >> 24, 0u) << names[i];
    }
    // The three states differ in colour at the centre region and in shape.
    for (int i = 0; i < 3; ++i)
        for (int j = i + 1; j < 3; ++j) {
            int different = 0;
            for (size_t k = 0; k < 32 * 32; ++k)
                different += icons[size_t(i)].argb[k] != icons[size_t(j)].argb[k];
            EXPECT_GT(different, 200) << names[i] << " vs " << names[j];
        }
}

}  // namespace
}  // namespace tsn
