// The sprite sheet and the icons load through Qt's image readers exactly as drawn.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QImage>

#include "artgen.h"

namespace tsn {
namespace {

QString DataFile(const char* name) {
    return QString(TESSARIN_DATA_DIR) + "/" + name;
}

TEST(QtImages, SpriteSheetLoadsPixelForPixel) {
    const QImage sheet(DataFile("tsn32.bmp"));
    ASSERT_FALSE(sheet.isNull());
    ASSERT_EQ(sheet.width(), 512);
    ASSERT_EQ(sheet.height(), 512);
    const art::Image drawn = art::BuildSpriteSheet();
    int mismatches = 0;
    for (int y = 0; y < 512; ++y)
        for (int x = 0; x < 512; ++x)
            mismatches += (sheet.pixel(x, y) & 0xFFFFFF) != drawn.at(x, y);
    EXPECT_EQ(mismatches, 0);
}

TEST(QtImages, IconsLoadWithTransparentCorners) {
    for (const char* name :
         {"Images/Played32.ico", "Images/Skipped32.ico", "Images/NotPlayed32.ico"}) {
        const QImage icon(DataFile(name));
        ASSERT_FALSE(icon.isNull()) << name;
        EXPECT_EQ(icon.size(), QSize(32, 32)) << name;
        EXPECT_TRUE(icon.hasAlphaChannel()) << name;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << name;
        EXPECT_EQ(qAlpha(icon.pixel(16, 3)), 255) << name;
    }
}

}  // namespace
}  // namespace tsn

int main(int argc, char** argv) {
    // Image readers need an application object but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
