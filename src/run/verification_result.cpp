#include "run/verification_result.h"

#include <cstdio>

namespace tsn {

namespace {
std::string FiveDigits(int64_t n) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%05lld", static_cast<long long>(n));
    return buf;
}
// A field of the text export, quoted only when it holds a separator, a quote or a line break.
std::string CsvField(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + "\"";
}

}  // namespace

void SetVerdict(VerificationRow& row, int levelSolved, bool skipped) {
    const bool equal = row.framesRead == row.framesPlayed;
    if (levelSolved == 1) {
        row.solved = "Success";
        row.error = equal ? "" : "Recording is binary different";
    } else if (levelSolved == 0) {
        row.solved = "Failed";
        if (equal) row.error = "";
        else row.error = skipped ? "Skipped by player" : "Recording is binary different";
    } else {
        row.error = "Unknown error???";
    }
}

VerificationRow FileErrorRow(int fileNumber, const std::string& path) {
    VerificationRow row;
    row.fileNumber = fileNumber;
    row.path = path;
    row.solved = "NA";
    row.error = "Error opening file";
    return row;
}

VerificationRow NoDemoRow(int fileNumber, const std::string& path) {
    VerificationRow row = FileErrorRow(fileNumber, path);
    row.error = "Demo not found!";
    return row;
}

std::vector<std::string> RowTexts(const VerificationRow& row) {
    return {FiveDigits(row.fileNumber),
            row.path,
            FiveDigits(row.steps),
            std::to_string(row.framesRead),
            std::to_string(row.framesPlayed),
            row.solved,
            row.error};
}

std::string ResultsText(const std::vector<VerificationRow>& rows) {
    std::string out = "ID,File N,Path,Steps,Frames Read,Frames Played,Solved,Error\r\n";
    for (const auto& row : rows) {
        const auto texts = RowTexts(row);
        for (size_t i = 0; i < texts.size(); ++i) {
            out += CsvField(texts[i]);
            if (i + 1 < texts.size()) out += ',';
        }
        out += "\r\n";
    }
    return out;
}

}  // namespace tsn
