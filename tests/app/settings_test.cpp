#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include "app/settings.h"

namespace tsn {
namespace {

TEST(Settings, EmptyStoreGivesTheDefaults) {
    QTemporaryDir dir;
    QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
    const Settings s = LoadSettings(store, "/opt/game");
    EXPECT_EQ(s.LastPath, "/opt/game/levels/LEVELS.DAT");
    EXPECT_EQ(s.FrameDelayPlay, 28571);
    EXPECT_EQ(s.FrameDelayDemo, 28571);
    EXPECT_EQ(s.GameMode, 2);
    EXPECT_EQ(s.GetReadyTime, 2);
    EXPECT_EQ(s.SampleVolume, 5000);
    EXPECT_EQ(s.MusicVolume, 10000);
    EXPECT_DOUBLE_EQ(s.gStretch, -1);
    EXPECT_TRUE(s.AutoScroll);
    EXPECT_FALSE(s.ShowBorder);
    EXPECT_FALSE(s.GLOBALSOUND);
    EXPECT_EQ(s.GridColor, 9276299);
    EXPECT_EQ(s.GameBackgroundColor, 15395562);
    EXPECT_FALSE(s.Geometry.has_value());
}

TEST(Settings, RoundTripKeepsEveryValueAsText) {
    QTemporaryDir dir;
    const QString file = dir.filePath("s.ini");
    Settings s;
    s.LastPath = "/levels/mine.d07";
    s.Geometry = WindowGeometry{800, 600, 10, 20};
    s.ShowBorder = true;
    s.AutoScroll = false;
    s.FrameDelayPlay = 0;
    s.FrameDelayDemo = -1;
    s.gStretch = 2.125;
    s.MySignature = QString(600, 'x');
    s.DefaultPlayerName = "A name longer than twenty-five characters";
    s.MusicVolume = 7500;
    s.GLOBALSOUND = true;
    s.GetReadyTime = 0;
    {
        QSettings store(file, QSettings::IniFormat);
        SaveSettings(store, s);
    }
    QSettings store(file, QSettings::IniFormat);
    store.beginGroup("Config");
    EXPECT_EQ(store.value("ShowBorder").toString(), "True");
    EXPECT_EQ(store.value("FrameDelayDemo").toString(), "-1");
    store.endGroup();
    const Settings r = LoadSettings(store, "/x");
    EXPECT_EQ(r.LastPath, s.LastPath);
    ASSERT_TRUE(r.Geometry.has_value());
    EXPECT_DOUBLE_EQ(r.Geometry->width, 800);
    EXPECT_DOUBLE_EQ(r.Geometry->top, 20);
    EXPECT_TRUE(r.ShowBorder);
    EXPECT_FALSE(r.AutoScroll);
    EXPECT_EQ(r.FrameDelayPlay, 0);
    EXPECT_EQ(r.FrameDelayDemo, -1);
    EXPECT_DOUBLE_EQ(r.gStretch, 2.125);
    EXPECT_EQ(r.MySignature.size(), 511);
    EXPECT_EQ(r.DefaultPlayerName.size(), 25);
    EXPECT_EQ(r.MusicVolume, 7500);
    EXPECT_TRUE(r.GLOBALSOUND);
    EXPECT_EQ(r.GetReadyTime, 0);
}

TEST(Settings, MinimizedWindowKeepsTheStoredGeometry) {
    QTemporaryDir dir;
    const QString file = dir.filePath("s.ini");
    Settings s;
    s.Geometry = WindowGeometry{640, 480, 1, 2};
    {
        QSettings store(file, QSettings::IniFormat);
        SaveSettings(store, s);
        s.Geometry.reset();  // minimized: not written
        s.WinState = 0;
        SaveSettings(store, s);
    }
    QSettings store(file, QSettings::IniFormat);
    const Settings r = LoadSettings(store, "/x");
    ASSERT_TRUE(r.Geometry.has_value());
    EXPECT_DOUBLE_EQ(r.Geometry->width, 640);
    EXPECT_EQ(r.WinState, 0);
}

TEST(Settings, BooleanAndNumberTexts) {
    EXPECT_TRUE(TextToBool("True", false));
    EXPECT_TRUE(TextToBool("true", false));
    EXPECT_FALSE(TextToBool("False", true));
    EXPECT_TRUE(TextToBool("-1", false));
    EXPECT_FALSE(TextToBool("0", true));
    EXPECT_TRUE(TextToBool("nonsense", true));
    QTemporaryDir dir;
    QSettings store(dir.filePath("s.ini"), QSettings::IniFormat);
    store.setValue("Config/FrameDelayPlay", "28571.4285714286");
    store.setValue("Config/SampleVolume", "loud");
    const Settings r = LoadSettings(store, "/x");
    EXPECT_EQ(r.FrameDelayPlay, 28571);
    EXPECT_EQ(r.SampleVolume, 5000);
}

}  // namespace
}  // namespace tsn
