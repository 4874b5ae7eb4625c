// The main window's level list on a set longer than the levels a game can number.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>

#include "app/game_session.h"
#include "app/main_window.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

// Levels after the 255th would be chosen as level 0, 1, ... (the chosen number is one byte):
// the list stops at 255, the last listed level is the one played, and the status line says
// why the rest is missing.
TEST(LevelListWindow, SetsOfMoreThan255LevelsListOnlyThePlayableOnes) {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    const QString path = f.dir.filePath("long.dat");
    QFile set(path);
    ASSERT_TRUE(set.open(QIODevice::WriteOnly));
    for (int i = 0; i < 150; ++i) set.write(test::TestSet());  // 300 levels
    set.close();

    w.InitNewLevelFile(path);
    ASSERT_EQ(w.LevelList()->count(), 255);
    EXPECT_TRUE(w.LevelList()->itemText(254).startsWith("255   "));
    w.Session().GameMode = 1;  // free play: every listed level may be chosen
    w.SelectLevel(254);
    EXPECT_EQ(w.State().CurrentLevelNumber, 255);
    EXPECT_TRUE(w.State().LevelLoaded);
    QStringList texts;
    for (const QLabel* label : w.findChildren<QLabel*>()) texts << label->text();
    EXPECT_TRUE(texts.contains(
        "Only the first 255 levels of this file can be played; 45 more are not listed"))
        << texts.join(" | ").toStdString();
}

}  // namespace
}  // namespace tsn
