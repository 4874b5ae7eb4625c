#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/load_demo_file.h"
#include "level_bytes.h"
#include "temp_dir.h"

namespace tsn {
namespace {

TEST(LoadDemoFile, AcceptsLevelFilesAndLoadsTheirFirstInfo) {
    testing::TempDir dir;
    const auto rec = testing::MakeRecord(60, 24, "First info");
    for (const char* name : {"a.qv", "a.DAT", "a.d42"}) testing::WriteBytes(dir.file(name), rec);
    testing::WriteBytes(dir.file("a.tsn"),
                        testing::MakeContainer(1, 1, {{60, 24, 21, 1536}}, rec));
    for (const char* name : {"a.qv", "a.DAT", "a.d42", "a.tsn"}) {
        GameState s;
        ASSERT_TRUE(LoadDemoFile(s, dir.file(name)).ok()) << name;
        EXPECT_EQ(s.Info.title().substr(0, 10), "First info") << name;
    }
}

TEST(LoadDemoFile, RefusesOtherNamesAndBrokenFiles) {
    testing::TempDir dir;
    GameState s;
    testing::WriteBytes(dir.file("a.dxy"), {1});
    auto st = LoadDemoFile(s, dir.file("a.dxy"));
    ASSERT_FALSE(st.ok());
    EXPECT_TRUE(st.error().description.empty());  // no message for foreign names
    EXPECT_FALSE(LoadDemoFile(s, dir.file("missing.qv")).ok());
    testing::WriteBytes(dir.file("empty.dat"), {});
    EXPECT_FALSE(LoadDemoFile(s, dir.file("empty.dat")).ok());
    auto rec = testing::MakeRecord(60, 24, "x");
    auto v2 = testing::MakeContainer(2, 1, {{60, 24, 21, 1536}}, rec);
    testing::WriteBytes(dir.file("v2.tsn"), v2);
    st = LoadDemoFile(s, dir.file("v2.tsn"));
    ASSERT_FALSE(st.ok());
    EXPECT_EQ(st.error().procedure, "LoadDemoFile");
}

}  // namespace
}  // namespace tsn
