#include <gtest/gtest.h>

#include "files/sec_to_time.h"

namespace tsn {
namespace {

TEST(SecToTime, SplitsAndPadsEachPart) {
    const auto t = SecToTime(3723);
    EXPECT_EQ(t.hours, 1);
    EXPECT_EQ(t.minutes, 2);
    EXPECT_EQ(t.seconds, 3);
    EXPECT_EQ(t.text, "01:02:03");
    EXPECT_EQ(SecToTime(0).text, "00:00:00");
    EXPECT_EQ(SecToTime(59).text, "00:00:59");
    EXPECT_EQ(SecToTime(3600).text, "01:00:00");
    EXPECT_EQ(SecToTime(360000).text, "100:00:00");
    EXPECT_EQ(SecToTime(-5).text, "00:00:00");
}

}  // namespace
}  // namespace tsn
