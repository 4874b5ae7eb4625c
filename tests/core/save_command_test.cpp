#include <gtest/gtest.h>

#include "engine/game_state.h"
#include "files/save_command.h"
#include "temp_dir.h"

namespace tsn {
namespace {

TEST(SaveCommand, LevelSetsAndSingleLevelFilesAreSavedAs) {
    testing::TempDir dir;
    for (const char* name : {"a.dat", "a.DAT", "a.d07", "a.qv", "a.tsn"}) testing::WriteBytes(dir.file(name), {1});
    EXPECT_TRUE(SaveActsAsSaveAs(dir.file("a.dat")));
    EXPECT_TRUE(SaveActsAsSaveAs(dir.file("a.DAT")));
    EXPECT_TRUE(SaveActsAsSaveAs(dir.file("a.d07")));
    EXPECT_TRUE(SaveActsAsSaveAs(dir.file("a.qv")));
    EXPECT_FALSE(SaveActsAsSaveAs(dir.file("a.tsn")));
    EXPECT_TRUE(SaveActsAsSaveAs(dir.file("missing.tsn")));
    EXPECT_TRUE(SaveActsAsSaveAs("Untitled"));

    GameState s;
    s.CurrentLevelFile = "/tmp/tmp0x00000001.tsn";
    EXPECT_EQ(SaveCommandFile(s, "/tmp/tmp0x00000001.tsn", "/l/LEVELS.DAT"), "/l/LEVELS.DAT");
    s.CurrentLevelFile = "/l/mine.tsn";
    EXPECT_EQ(SaveCommandFile(s, "/tmp/tmp0x00000001.tsn", "/l/LEVELS.DAT"), "/l/mine.tsn");
}

TEST(SaveCommand, DialogChoices) {
    EXPECT_EQ(SaveDialogFilter(true), "Tessarin Level (*.tsn)|*.tsn");
    EXPECT_EQ(SaveDialogFilter(false), "Tessarin Level (*.tsn)|*.tsn|Velnorix Demo (*.qv)|*.qv");
    EXPECT_EQ(ProposedSaveName("/l/LEVELS.DAT", true, 7), "Level007");
    EXPECT_EQ(ProposedSaveName("/l/my.level.tsn", false, 7), "my.level");
    EXPECT_EQ(ChooseSaveTarget("/x/a.QV", false), SaveTarget::kQv);
    EXPECT_EQ(ChooseSaveTarget("/x/a.qv", true), SaveTarget::kQvRefused);
    EXPECT_EQ(ChooseSaveTarget("/x/a.tsn", true), SaveTarget::kTsn);
    EXPECT_EQ(ChooseSaveTarget("/x/a.dat", false), SaveTarget::kNothing);
}

TEST(SaveCommand, NewCollectionNames) {
    auto n = NormalizeCollectionName("/Home/Me/MyLevels.DAT.bak");
    EXPECT_TRUE(n.accepted);
    EXPECT_EQ(n.name, "/Home/Me/mylevels.dat");
    n = NormalizeCollectionName("/a.b/set.d05");
    EXPECT_TRUE(n.accepted);
    EXPECT_EQ(n.name, "/a.b/set.d05");
    n = NormalizeCollectionName("set.dx1");
    EXPECT_FALSE(n.accepted);
    EXPECT_EQ(n.message, "File extension is invalid. Please try again");
    n = NormalizeCollectionName("set.d5");
    EXPECT_FALSE(n.accepted);
    n = NormalizeCollectionName("set.txt");
    EXPECT_FALSE(n.accepted);
    EXPECT_EQ(n.message, "File name is invalid. Please try again");
    EXPECT_FALSE(NormalizeCollectionName("noextension").accepted);
}

}  // namespace
}  // namespace tsn
