// The pictures in the data folder are exactly what the generator in tools/artgen draws today.
#include <gtest/gtest.h>

#include "artgen.h"
#include "data_files.h"
#include "sprites.h"

namespace tsn {
namespace {

TEST(Regenerate, SpriteSheetMatchesTheCommittedFile) {
    const art::Bytes fresh = art::EncodeBmp24(art::BuildSpriteSheet());
    const std::vector<uint8_t> committed = test::ReadDataFile("tsn32.bmp");
    ASSERT_EQ(fresh.size(), committed.size());
    size_t firstDiff = fresh.size();
    for (size_t i = 0; i < fresh.size() && firstDiff == fresh.size(); ++i)
        if (fresh[i] != committed[i]) firstDiff = i;
    EXPECT_EQ(firstDiff, fresh.size()) << "data/tsn32.bmp differs from the generator's output "
                                          "(rebuild with the 'art' target and commit)";
}

TEST(Regenerate, IconsMatchTheCommittedFiles) {
    for (auto icon : {art::LevelIcon::Played, art::LevelIcon::Skipped, art::LevelIcon::NotPlayed}) {
        const std::string name = std::string("Images/") + art::IconFileName(icon);
        EXPECT_EQ(art::BuildIcon(icon), test::ReadDataFile(name)) << name;
    }
}

TEST(Regenerate, ContactSheetShowsEveryCellEnlarged) {
    const art::Image sheet = art::BuildSpriteSheet();
    const art::Image page = art::BuildContactSheet(sheet);
    // Cell 3 (Murphy) sits in the first row, fourth slot, at twice the size.
    const int slotW = 26 + 64 + 6, x0 = 6 + 3 * slotW + 26, y0 = 6;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            EXPECT_EQ(page.at(x0 + 2 * x, y0 + 2 * y), sheet.at(3 * 32 + x, y));
            EXPECT_EQ(page.at(x0 + 2 * x + 1, y0 + 2 * y + 1), sheet.at(3 * 32 + x, y));
        }
    const art::Bytes png = art::EncodePng(page);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(png[1], 'P');
    // The PNG's chunks carry valid checksums (IHDR is the first chunk).
    const uint32_t ihdrCrc =
        uint32_t(png[29]) << 24 | uint32_t(png[30]) << 16 | uint32_t(png[31]) << 8 | png[32];
    EXPECT_EQ(art::Crc32(png.data() + 12, 17), ihdrCrc);
}

}  // namespace
}  // namespace tsn

namespace tsn {
namespace {

TEST(Regenerate, RollingPicturesCloseTheCircleOnTheRestingPicture) {
    // Rolling left shows 192..198 and then the Zonk at rest (1); rolling right the same
    // backwards. Seven pictures of an eighth of a quarter turn each: the eighth step is a
    // quarter turn, which must look exactly like the resting boulder again (same for 200..206
    // and the Infotron).
    art::Image rest(32, 32), turned(32, 32);
    art::PaintZonk(rest, 16, 16, 0);
    art::PaintZonk(turned, 16, 16, -0.25);
    EXPECT_EQ(rest.pixels, turned.pixels);
    art::Image restI(32, 32), turnedI(32, 32);
    art::PaintInfotron(restI, 16, 16, 0);
    art::PaintInfotron(turnedI, 16, 16, -0.25);
    EXPECT_EQ(restI.pixels, turnedI.pixels);
}

}  // namespace
}  // namespace tsn
