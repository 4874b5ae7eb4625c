#include <gtest/gtest.h>

#include <filesystem>
#include <regex>

#include "run/results_workbook.h"
#include "temp_dir.h"
#include "workbook_cells.h"

namespace tsn {
namespace {

TEST(ResultsWorkbook, SheetHoldsTitlesAndOneRowPerResultWithNumbersAsNumbers) {
    if (!testing::UnzipAvailable()) GTEST_SKIP() << "no unzip tool to read the workbook back";
    testing::TempDir dir;
    VerificationRow solved;
    solved.fileNumber = 1;
    solved.path = "/demos/a & <b>.qv";
    solved.steps = 42;
    solved.framesRead = 1234;
    solved.framesPlayed = 1234;
    SetVerdict(solved, 1, false);
    const std::vector<VerificationRow> rows = {solved, NoDemoRow(2, "/demos/c.tsn")};
    const std::string path = dir.file("result.xlsx");
    ASSERT_TRUE(WriteResultsWorkbook(path, rows));

    const auto cells = testing::SheetCells(path);
    const std::map<std::string, std::string> expected = {
        {"A1", "File N"}, {"B1", "Path"}, {"C1", "Steps"}, {"D1", "Frames Read"},
        {"E1", "Frames Played"}, {"F1", "Solved"}, {"G1", "Error"},
        {"A2", "1"}, {"B2", "/demos/a &amp; &lt;b&gt;.qv"}, {"C2", "42"}, {"D2", "1234"},
        {"E2", "1234"}, {"F2", "Success"},  // the empty Error leaves G2 empty
        {"A3", "2"}, {"B3", "/demos/c.tsn"}, {"C3", "0"}, {"D3", "0"}, {"E3", "0"},
        {"F3", "NA"}, {"G3", "Demo not found!"}};
    EXPECT_EQ(cells, expected);
    const std::string sheet = testing::UnzipMember(path, "xl/worksheets/sheet1.xml");
    for (const char* ref : {"A2", "C2", "D2", "E2", "A3"}) {
        const std::regex typed(std::string("<c r=\"") + ref + "\"[^>]* t=");
        EXPECT_FALSE(std::regex_search(sheet, typed)) << ref << " is stored as a number";
    }
    EXPECT_NE(sheet.find("<cols>"), std::string::npos);  // the column widths
}

TEST(ResultsWorkbook, FailureLeavesAnExistingFileAlone) {
    testing::TempDir dir;
    const std::string path = dir.file("missing-folder/result.xlsx");
    const auto written = WriteResultsWorkbook(path, {});
    EXPECT_FALSE(written);
    EXPECT_FALSE(std::filesystem::exists(path));
}

}  // namespace
}  // namespace tsn
