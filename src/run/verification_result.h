#pragma once
// One row of the demo verification results and the text export of a list of rows.
#include <cstdint>
#include <string>
#include <vector>

namespace tsn {

struct VerificationRow {
    int fileNumber = 0;       // 1-based
    std::string path;
    int steps = 0;
    int64_t framesRead = 0;   // frames the demo holds
    int64_t framesPlayed = 0; // frames the run lasted
    std::string solved;       // "Success", "Failed" or "NA"
    std::string error;        // a result word or empty
    std::string detail;       // why a file could not be played, for messages; not exported

    bool succeeded() const { return solved == "Success" && error.empty(); }
};

// The Error word of a demo stopped because it reached the caller's frame limit (Solved "Failed").
inline constexpr const char* kFrameLimitWord = "Frame limit reached";
// The Error word of a file that could not be played for lack of memory (Solved "NA").
inline constexpr const char* kOutOfMemoryWord = "Out of memory";

// The verdict of a demo that was played: Solved and Error words from the run's outcome.
void SetVerdict(VerificationRow& row, int levelSolved, bool skipped);
// Rows of files that could not be played.
VerificationRow FileErrorRow(int fileNumber, const std::string& path);   // "Error opening file"
VerificationRow NoDemoRow(int fileNumber, const std::string& path);      // "Demo not found!"

// Column texts 1..7 of a row (File N, Path, Steps, Frames Read, Frames Played, Solved, Error).
std::vector<std::string> RowTexts(const VerificationRow& row);

// The text export: a header with "ID" and the seven titles, one line per row with the seven
// values, fields separated by "," and lines ended by "\r\n". A field holding ",", '"', "\r" or
// "\n" is put in double quotes with its quotes doubled; every other field is written as it is.
std::string ResultsText(const std::vector<VerificationRow>& rows);

}  // namespace tsn
