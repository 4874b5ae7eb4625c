// The committed default level set: its sources, the set file and the solution demos agree, and
// the set is a proper campaign of closed, distinct levels.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

#include "level_set_build.h"
#include "level_source.h"

namespace tsn::levels {
namespace {

const std::string kData = TESSARIN_LEVEL_DATA;

class CommittedSet : public ::testing::Test {
protected:
    static void SetUpTestSuite() { levels_ = LoadLevelSources(kData + "/src"); }
    static std::vector<LevelSource> levels_;
};
std::vector<LevelSource> CommittedSet::levels_;

TEST_F(CommittedSet, SetFileHoldsEveryLevelInOrder) {
    const auto file = ReadFileBytes(kData + "/LEVELS.DAT");
    ASSERT_EQ(file.size(), levels_.size() * static_cast<size_t>(kRecordSize));
    EXPECT_EQ(file, BuildLevelSet(levels_));
}

TEST_F(CommittedSet, TitlesAreDistinctAndLevelsClosed) {
    std::set<std::string> titles;
    for (size_t n = 0; n < levels_.size(); ++n) {
        const LevelSource& l = levels_[n];
        EXPECT_TRUE(titles.insert(l.title).second) << "level " << n + 1 << " repeats a title";
        EXPECT_NE(l.title.find_first_not_of(" -"), std::string::npos);
        // Nothing can leave the field: the outer ring is hardware of some kind.
        for (int y = 0; y < kMapHeight; ++y)
            for (int x = 0; x < kMapWidth; ++x) {
                if (y != 0 && y != kMapHeight - 1 && x != 0 && x != kMapWidth - 1) continue;
                const int code = CodeOfSymbol(l.rows[static_cast<size_t>(y)][static_cast<size_t>(x)]);
                EXPECT_TRUE(code == 6 || (code >= 28 && code <= 37))
                    << "level " << n + 1 << " is open at column " << x << " row " << y;
            }
        EXPECT_FALSE(l.solution.empty()) << "level " << n + 1 << " has no solution";
    }
}

TEST_F(CommittedSet, IsACampaignOfFullFieldsUsingEveryElement) {
    EXPECT_EQ(levels_.size(), 111u);
    std::set<int> used;
    for (const auto& l : levels_)
        for (const auto& row : l.rows)
            for (const char c : row) used.insert(CodeOfSymbol(c));
    for (const auto& e : LevelLegend()) EXPECT_TRUE(used.count(e.code)) << e.name << " appears in no level";
    // Every level uses the whole field: at most 40% of the cells inside the ring are dead metal.
    const auto dead = [](int code) { return code == 6 || (code >= 28 && code <= 37) || (code >= 40 && code <= 43); };
    for (size_t n = 0; n < levels_.size(); ++n) {
        int metal = 0;
        for (int y = 1; y < kMapHeight - 1; ++y)
            for (int x = 1; x < kMapWidth - 1; ++x)
                metal += dead(CodeOfSymbol(levels_[n].rows[static_cast<size_t>(y)][static_cast<size_t>(x)])) ? 1 : 0;
        EXPECT_LE(metal * 10, (kMapWidth - 2) * (kMapHeight - 2) * 4) << "level " << n + 1 << " has " << metal
                                                                       << " metal cells inside";
    }
}

TEST_F(CommittedSet, EachSolutionDemoCarriesItsLevelAndSeed) {
    const auto set = BuildLevelSet(levels_);
    for (size_t n = 0; n < levels_.size(); ++n) {
        const auto qv = ReadFileBytes(kData + "/solutions/" + SolutionFileName(static_cast<int>(n) + 1));
        ASSERT_GT(qv.size(), static_cast<size_t>(kRecordSize)) << "level " << n + 1 << " has no demo";
        const size_t base = n * kRecordSize;
        for (size_t i = 0; i < 1440 + 93; ++i)
            ASSERT_EQ(qv[i], set[base + i]) << "level " << n + 1 << " byte " << i;
        EXPECT_EQ(qv[1440 + 94] | (qv[1440 + 95] << 8), levels_[n].seed) << "level " << n + 1;
    }
}

}  // namespace
}  // namespace tsn::levels
