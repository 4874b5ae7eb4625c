#include <gtest/gtest.h>

#include "app/speed_table.h"

namespace tsn {
namespace {

TEST(SpeedTable, DelaysAreTheRoundedStoredValues) {
    EXPECT_EQ(SpeedDelay(1), -1);
    EXPECT_EQ(SpeedDelay(2), 0);
    EXPECT_EQ(SpeedDelay(3), 1429);
    EXPECT_EQ(SpeedDelay(5), 2857);
    EXPECT_EQ(SpeedDelay(8), 6667);
    EXPECT_EQ(SpeedDelay(10), 14286);
    EXPECT_EQ(SpeedDelay(12), 28571);
    EXPECT_EQ(SpeedDelay(17), 1000000);
    EXPECT_EQ(SpeedDelay(0), 28571);  // out of range: the default
}

TEST(SpeedTable, NearestIndexWithLowerIndexOnTies) {
    for (int i = 1; i <= kSpeedCount; ++i) EXPECT_EQ(GetSpeedIndex(SpeedDelay(i)), i) << i;
    EXPECT_EQ(GetSpeedIndex(28000), 12);
    EXPECT_EQ(GetSpeedIndex(-5), 1);
    // 600000 lies as far from 200000 (index 16) as from 1000000 (17): the lower index wins.
    EXPECT_EQ(GetSpeedIndex(600000), 16);
    EXPECT_EQ(GetSpeedIndex(5000000), 12);  // nothing within a second
    // Equidistant from 40000 (index 13) and 50000 (index 14).
    EXPECT_EQ(GetSpeedIndex(45000), 13);
}

TEST(SpeedTable, Descriptions) {
    EXPECT_EQ(GetSpeedDescriptionFPS(28571), "35 fps (Default)");
    EXPECT_EQ(GetSpeedDescriptionFPS(1429), "700 fps");
    EXPECT_EQ(GetSpeedDescriptionFPS(0), "Fastest possible");
    EXPECT_EQ(GetSpeedDescriptionFPS(-1), "No display (even faster)");
    EXPECT_EQ(GetSpeedDescriptionFPS(1000000), "1 fps");
}

}  // namespace
}  // namespace tsn
