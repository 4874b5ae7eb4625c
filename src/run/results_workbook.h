#pragma once
// The spreadsheet export of the verification results: a workbook with one sheet holding the
// seven column titles in A1..G1 and one row per result below them.
#include <string>
#include <vector>

#include "files/file_error.h"
#include "run/verification_result.h"

namespace tsn {

// Widths of the seven exported columns (File N .. Error) in twips, as the results list shows them.
inline constexpr int kResultColumnTwips[7] = {700, 1000, 700, 1200, 1300, 800, 3000};

// Writes the workbook to `path` through the safe writer. File N, Steps, Frames Read and Frames
// Played are numbers (File N and Steps shown with five digits), Path, Solved and Error are
// texts; an empty Error leaves its cell empty. Column widths follow kResultColumnTwips.
FileStatus WriteResultsWorkbook(const std::string& path, const std::vector<VerificationRow>& rows);

}  // namespace tsn
