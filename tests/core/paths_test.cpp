#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "files/path_names.h"
#include "files/paths.h"
#include "temp_dir.h"

namespace tsn {
namespace {

// Sets an environment variable for one test and puts the old value back.
class EnvVar {
public:
    EnvVar(const char* name, const char* value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old, had_ = true;
        if (value) ::setenv(name, value, 1);
        else ::unsetenv(name);
    }
    ~EnvVar() {
        if (had_) ::setenv(name_, old_.c_str(), 1);
        else ::unsetenv(name_);
    }

private:
    const char* name_;
    std::string old_;
    bool had_ = false;
};

TEST(Paths, UserDataFolderFollowsTheEnvironment) {
    {
        EnvVar home("TESSARIN_HOME", "/x/home");
        EXPECT_EQ(UserDataFolder(), "/x/home");
    }
    EnvVar none("TESSARIN_HOME", nullptr);
    {
        EnvVar xdg("XDG_DATA_HOME", "/x/xdg");
        EXPECT_EQ(UserDataFolder(), "/x/xdg/tessarin");
    }
    EnvVar noXdg("XDG_DATA_HOME", nullptr);
    EnvVar h("HOME", "/x/user");
    EXPECT_EQ(UserDataFolder(), "/x/user/.local/share/tessarin");
}

TEST(Paths, SubFoldersAreCreatedOnDemand) {
    testing::TempDir dir;
    EnvVar home("TESSARIN_HOME", dir.file("home").c_str());
    for (const char* name : {kPlayerFolder, kSavesFolder, kTempFolder, kCaptureFolder, kLogsFolder}) {
        const auto folder = UserSubFolder(name);
        ASSERT_TRUE(folder.ok()) << name;
        EXPECT_EQ(*folder, dir.file("home") + "/" + name);
        EXPECT_TRUE(std::filesystem::is_directory(*folder));
    }
    EXPECT_EQ(*EditorWorkFilePath(), dir.file("home") + "/Temp/tsnedit.tsn");

    // A file where the folder should be: a clear failure, not a crash.
    testing::WriteBytes(dir.file("blocked"), {1});
    EnvVar blocked("TESSARIN_HOME", dir.file("blocked").c_str());
    EXPECT_FALSE(UserSubFolder(kLogsFolder).ok());
}

TEST(Paths, DataFolderOverrideAndCaseInsensitiveLookup) {
    testing::TempDir dir;
    std::filesystem::create_directories(dir.path() / "Data" / "Sound");
    testing::WriteBytes((dir.path() / "Data" / "Sound" / "Explosion.WAV").string(), {1});
    testing::WriteBytes((dir.path() / "Data" / "TSN32.bmp").string(), {1});
    const auto data = dir.file("Data");
    EXPECT_EQ(*FindDataFolder(data), data);
    EXPECT_FALSE(FindDataFolder(dir.file("none")).ok());
    {
        EnvVar env("TESSARIN_DATA", data.c_str());
        EXPECT_EQ(*FindDataFolder(), data);
    }
    EXPECT_EQ(FindFileNoCase(data, "tsn32.bmp"), data + "/TSN32.bmp");
    EXPECT_EQ(FindFileNoCase(data, "sound/explosion.wav"), data + "/Sound/Explosion.WAV");
    EXPECT_EQ(FindFileNoCase(data, "SOUND/EXPLOSION.wav"), data + "/Sound/Explosion.WAV");
    EXPECT_FALSE(FindFileNoCase(data, "sound/missing.wav").has_value());
    EXPECT_FALSE(FindFileNoCase(data, "nofolder/x").has_value());
}

TEST(PathNames, Helpers) {
    EXPECT_EQ(FileNameOf("/a/b.c/name.Tsn"), "name.Tsn");
    EXPECT_EQ(FolderOf("/a/b.c/name.Tsn"), "/a/b.c");
    EXPECT_EQ(NameWithoutExtension("/a/b.c/name.x.Tsn"), "name.x");
    EXPECT_EQ(ExtensionOf("/a/b.c/name.Tsn"), "tsn");
    EXPECT_EQ(ExtensionOf("/a/b.c/name"), "");
    EXPECT_EQ(CountOccurrences("a.b.c", "."), 2);
    EXPECT_EQ(CountOccurrences("aaaa", "aa"), 2);
    EXPECT_EQ(ReplaceForbiddenChars("a:b\\c/d?e*f<g>h|i\"j", "_"), "a_b_c_d_e_f_g_h_i_j");
    EXPECT_TRUE(IsLevelSetName("x/LEVELS.DAT"));
    EXPECT_TRUE(IsLevelSetName("x/levels.d05"));
    EXPECT_TRUE(IsLevelSetName("x/levels.dXy"));
    EXPECT_FALSE(IsLevelSetName("x/levels.d5"));
    EXPECT_FALSE(IsLevelSetName("x/levels.data"));
    EXPECT_TRUE(IsQvName("a.QV"));
    EXPECT_TRUE(IsTsnName("a.TSN"));
    EXPECT_TRUE(WildcardMatch("tmp0x0000ABCD.tsn", "tmp0x*.tsn"));
    EXPECT_FALSE(WildcardMatch("tmp0x0000ABCD.tsnx", "tmp0x*.tsn"));
    EXPECT_TRUE(WildcardMatch("", "*"));
    EXPECT_FALSE(WildcardMatch("", "?"));
    testing::TempDir dir;
    EXPECT_FALSE(FileExists(""));
    EXPECT_FALSE(FileExists(dir.path().string()));
    testing::WriteBytes(dir.file("f"), {});
    EXPECT_TRUE(FileExists(dir.file("f")));
}

}  // namespace
}  // namespace tsn
