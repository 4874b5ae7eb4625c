#include "run/results_workbook.h"

#include <fcntl.h>
#include <unistd.h>
#include <xlsxwriter.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "files/safe_write.h"

namespace tsn {

namespace {

constexpr const char* kProcedure = "WriteResultsWorkbook";
constexpr const char* kTitles[7] = {"File N", "Path",   "Steps", "Frames Read",
                                    "Frames Played", "Solved", "Error"};

FileError WorkbookError(const std::string& what) {
    FileError e;
    e.procedure = kProcedure;
    e.description = what;
    return e;
}

// A private scratch file for the library, which writes only to a named file; removed on exit.
class ScratchFile {
public:
    ScratchFile() {
        std::error_code ec;
        std::string pattern = (std::filesystem::temp_directory_path(ec) / "tsn-xlsx-XXXXXX").string();
        const int fd = mkstemp(pattern.data());
        if (fd >= 0) {
            close(fd);
            path_ = pattern;
        }
    }
    ~ScratchFile() {
        if (!path_.empty()) unlink(path_.c_str());
    }
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

lxw_error FillSheet(lxw_workbook* book, const std::vector<VerificationRow>& rows) {
    lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
    if (sheet == nullptr) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    lxw_format* fiveDigits = workbook_add_format(book);
    if (fiveDigits == nullptr) return LXW_ERROR_MEMORY_MALLOC_FAILED;
    format_set_num_format(fiveDigits, "00000");
    for (lxw_col_t c = 0; c < 7; ++c) {
        // Twips to pixels at 96 dots per inch.
        const uint32_t pixels = static_cast<uint32_t>((kResultColumnTwips[c] + 7) / 15);
        if (const auto e = worksheet_set_column_pixels(sheet, c, c, pixels, nullptr)) return e;
        if (const auto e = worksheet_write_string(sheet, 0, c, kTitles[c], nullptr)) return e;
    }
    lxw_row_t r = 1;
    for (const auto& row : rows) {
        lxw_error e = worksheet_write_number(sheet, r, 0, row.fileNumber, fiveDigits);
        if (!e) e = worksheet_write_string(sheet, r, 1, row.path.c_str(), nullptr);
        if (!e) e = worksheet_write_number(sheet, r, 2, row.steps, fiveDigits);
        if (!e) e = worksheet_write_number(sheet, r, 3, static_cast<double>(row.framesRead), nullptr);
        if (!e) e = worksheet_write_number(sheet, r, 4, static_cast<double>(row.framesPlayed), nullptr);
        if (!e) e = worksheet_write_string(sheet, r, 5, row.solved.c_str(), nullptr);
        if (!e && !row.error.empty()) e = worksheet_write_string(sheet, r, 6, row.error.c_str(), nullptr);
        if (e) return e;
        ++r;
    }
    return LXW_NO_ERROR;
}

}  // namespace

FileStatus WriteResultsWorkbook(const std::string& path, const std::vector<VerificationRow>& rows) {
    if (rows.size() + 1 > LXW_ROW_MAX) return WorkbookError("too many results for one sheet");
    const ScratchFile scratch;
    if (scratch.path().empty()) return WorkbookError("no temporary file for the workbook");
    lxw_workbook* book = workbook_new(scratch.path().c_str());
    if (book == nullptr) return WorkbookError("the workbook could not be created");
    const lxw_error filled = FillSheet(book, rows);
    const lxw_error closed = workbook_close(book);  // frees the workbook in every case
    if (filled || closed) {
        return WorkbookError(lxw_strerror(filled ? filled : closed));
    }
    std::ifstream in(scratch.path(), std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (!in && !in.eof()) return WorkbookError("the workbook could not be read back");
    return WriteFileSafely(path, bytes, kProcedure);
}

}  // namespace tsn
