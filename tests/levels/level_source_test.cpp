// Level files as text: what the parser accepts, what it refuses, and the record it builds.
#include <gtest/gtest.h>

#include <string>

#include "level_source.h"

namespace tsn::levels {
namespace {

// A closed 60 × 24 map with Murphy, the exit and the given extra row inside.
std::string Map(const std::string& inner = "") {
    std::string rows;
    for (int y = 0; y < kMapHeight; ++y) {
        std::string row(kMapWidth, '#');
        if (y == 1) row = "#M" + std::string(56, '.') + "E#";
        if (y == 2 && !inner.empty()) row = "#" + inner + std::string(58 - inner.size(), '.') + "#";
        rows += row + "\n";
    }
    return rows;
}

std::string Text(const std::string& header, const std::string& map) {
    return header + "map\n" + map + "solution\nR57 ; to the exit\n";
}

const std::string kHeader = "title \"---- A TEST LEVEL -----\"\n";

TEST(LevelSource, HeaderValuesMapAndScriptAreRead) {
    const LevelSource l = ParseLevelSource(
        "; a comment\n" + kHeader + "gravity 1\nfrozen 1\nneeded 12\nseed 40000\n" + "map\n" + Map("ZI+") +
        "solution\nR57 ; to the exit\n");
    EXPECT_EQ(l.title, "---- A TEST LEVEL -----");
    EXPECT_EQ(l.gravity, 1);
    EXPECT_EQ(l.frozenZonks, 2);
    EXPECT_EQ(l.infotronsNeeded, 12);
    EXPECT_EQ(l.seed, 40000);
    ASSERT_EQ(l.rows.size(), 24u);
    EXPECT_EQ(l.rows[2].substr(0, 4), "#ZI+");
    EXPECT_EQ(l.solution, "R57 ; to the exit\n");
}

TEST(LevelSource, FaultsAreRefusedWithTheirLine) {
    const auto refused = [](const std::string& text, const std::string& part) {
        try {
            ParseLevelSource(text);
            ADD_FAILURE() << "accepted: " << part;
        } catch (const SourceError& e) {
            EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << part << " / " << e.what();
        }
    };
    refused(Text("title \"SHORT\"\n", Map()), "exactly 23");
    refused(Text("title ---- A TEST LEVEL -----\n", Map()), "quoted");
    refused(Text("", Map()), "no title");
    refused(Text(kHeader + "gravity 2\n", Map()), "line 2: expected a number from 0 to 1");
    refused(Text(kHeader + "needed 256\n", Map()), "0 to 255");
    refused(Text(kHeader + "seed 70000\n", Map()), "seed");
    refused(Text(kHeader + "colour 3\n", Map()), "unknown header line");
    refused(Text(kHeader, Map("Q")), "unknown map character 'Q'");
    refused(Text(kHeader, Map("M")), "exactly one Murphy");
    refused(kHeader + "map\n" + Map().substr(61), "24 rows");
    std::string longRow = Map();
    longRow.insert(0, "#");
    refused(Text(kHeader, longRow), "60 characters");
    refused(Text(kHeader, Map("}")), "1 special ports but 0 port lines");
    refused(Text(kHeader + "port gravity=1 speed=2\n", Map("}")), "unknown port setting");
    refused(Text(kHeader + std::string(11, ' ') + "\n" + [] {
        std::string p;
        for (int i = 0; i < 11; ++i) p += "port gravity=1\n";
        return p;
    }(), Map("}}}}}}}}}}}")), "more than 10 special ports");
}

TEST(LevelSource, RecordHoldsFieldCodesAndInfoBlock) {
    const LevelSource l = ParseLevelSource(
        kHeader + "gravity 1\nfrozen 1\nneeded 3\nseed 99\n" +
        "port gravity=1 frozen=0 enemies=1\nport gravity=0 frozen=1 enemies=0\n" + "map\n" +
        Map("}ZIRb[]0u@&Wx.w") + "solution\n");
    const auto r = BuildRecord(l);
    ASSERT_EQ(r.size(), static_cast<size_t>(kRecordSize));
    const int row2 = 2 * kMapWidth;
    const std::vector<int> codes = {6, 13, 1, 4, 5, 25, 26, 27, 28, 39, 43, 42, 40, 241, 0, 14};
    for (size_t i = 0; i < codes.size(); ++i) EXPECT_EQ(r[static_cast<size_t>(row2) + i], codes[i]) << i;
    EXPECT_EQ(r[61], 3);   // Murphy
    EXPECT_EQ(r[118], 7);  // exit
    const size_t info = 1440;
    EXPECT_EQ(r[info + 4], 1);     // gravity
    EXPECT_EQ(r[info + 5], 132);   // save mark
    EXPECT_EQ(std::string(r.begin() + info + 6, r.begin() + info + 29), "---- A TEST LEVEL -----");
    EXPECT_EQ(r[info + 29], 2);    // frozen Zonks
    EXPECT_EQ(r[info + 30], 3);    // Infotrons needed
    EXPECT_EQ(r[info + 31], 2);    // special ports
    // Ports in reading order, positions as twice the cell index, high byte first.
    const int first = row2 + 1;
    const int second = row2 + 15;
    EXPECT_EQ(r[info + 32], (2 * first) >> 8);
    EXPECT_EQ(r[info + 33], (2 * first) & 0xFF);
    EXPECT_EQ(r[info + 34], 1);
    EXPECT_EQ(r[info + 35], 0);
    EXPECT_EQ(r[info + 36], 1);
    EXPECT_EQ(r[info + 38], (2 * second) >> 8);
    EXPECT_EQ(r[info + 39], (2 * second) & 0xFF);
    EXPECT_EQ(r[info + 40], 0);
    EXPECT_EQ(r[info + 41], 2);
    EXPECT_EQ(r[info + 94], 0);  // the set carries no seed
    EXPECT_EQ(r[info + 95], 0);
}

TEST(LevelSource, LegendSymbolsAndCodesAreUnique) {
    const auto& legend = LevelLegend();
    for (size_t i = 0; i < legend.size(); ++i)
        for (size_t j = i + 1; j < legend.size(); ++j) {
            EXPECT_NE(legend[i].symbol, legend[j].symbol);
            EXPECT_NE(legend[i].code, legend[j].code);
        }
    EXPECT_EQ(CodeOfSymbol('?'), -1);
}

}  // namespace
}  // namespace tsn::levels
