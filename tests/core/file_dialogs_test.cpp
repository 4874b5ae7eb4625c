// The filters of the file dialogs, their remembered index, and the name a save writes to.
#include <gtest/gtest.h>

#include "files/file_dialogs.h"
#include "files/save_command.h"

namespace tsn {
namespace {

TEST(FileDialogs, FiltersParseIntoLabelsAndPatterns) {
    const auto open = ParseDialogFilter(kOpenFilter);
    ASSERT_EQ(open.size(), 4u);
    EXPECT_EQ(open[0].label, "All Levels (*.DAT;*.D?\?;*.qv;*.tsn)");
    EXPECT_EQ(open[0].patterns, (std::vector<std::string>{"*.DAT", "*.D?\?", "*.qv", "*.tsn"}));
    EXPECT_EQ(open[2].label, "Quorvane Level Sets (*.DAT;*.D?\?)");
    EXPECT_EQ(open[3].patterns, std::vector<std::string>{"*.qv"});

    EXPECT_EQ(ParseDialogFilter(SaveDialogFilter(true)).size(), 1u);  // non-standard: .tsn only
    const auto save = ParseDialogFilter(SaveDialogFilter(false));
    ASSERT_EQ(save.size(), 2u);
    EXPECT_EQ(save[1].patterns, std::vector<std::string>{"*.qv"});
    EXPECT_TRUE(ParseDialogFilter("label only").empty());
}

TEST(FileDialogs, RememberedIndexMustNameAFilter) {
    const struct { int remembered; size_t count; int index; } cases[] = {
        {1, 4, 1}, {4, 4, 4}, {5, 4, 1}, {0, 4, 1}, {-3, 4, 1}, {2, 1, 1}, {2, 2, 2}};
    for (const auto& c : cases)
        EXPECT_EQ(DialogFilterIndex(c.remembered, c.count), c.index) << c.remembered << " of " << c.count;
}

// A name no writer takes gets the chosen filter's extension, so a save never writes nothing.
TEST(FileDialogs, SavedNamesAlwaysReachAWriter) {
    const auto save = ParseDialogFilter(SaveDialogFilter(false));
    const struct { const char* typed; int filter; const char* written; } cases[] = {
        {"/d/run", 0, "/d/run.tsn"},          {"/d/run", 1, "/d/run.qv"},
        {"/d/run.txt", 0, "/d/run.txt.tsn"},  {"/d/run.dat", 1, "/d/run.dat.qv"},
        {"/d/run.qv", 0, "/d/run.qv"},        {"/d/run.TSN", 1, "/d/run.TSN"},
        {"/d/my.level", 0, "/d/my.level.tsn"},
    };
    for (const auto& c : cases) {
        const std::string written = NameForChosenFilter(c.typed, save[static_cast<size_t>(c.filter)]);
        EXPECT_EQ(written, c.written) << c.typed;
        EXPECT_NE(ChooseSaveTarget(written, false), SaveTarget::kNothing) << c.typed;
    }
}

}  // namespace
}  // namespace tsn
