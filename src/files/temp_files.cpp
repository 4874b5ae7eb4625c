#include "files/temp_files.h"

#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "files/path_names.h"
#include "files/paths.h"

namespace fs = std::filesystem;

namespace tsn {

std::string TempLevelFileName(uint32_t id) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "tmp0x%08X.tsn", id);
    return buf;
}

int RemoveStaleTempFiles(const std::string& folder, const std::string& ownFileName,
                         const std::function<bool(uint32_t id)>& stillRunning) {
    int removed = 0;
    std::error_code ec;
    if (!ownFileName.empty() && fs::remove(fs::path(folder) / ownFileName, ec)) ++removed;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!WildcardMatch(name, "tmp0x*.tsn")) continue;
        uint32_t id = 0;
        for (size_t i = 5; i < name.size() && i < 13 && std::isxdigit(static_cast<unsigned char>(name[i])); ++i) {
            const char c = static_cast<char>(std::toupper(static_cast<unsigned char>(name[i])));
            id = id * 16 + static_cast<uint32_t>(c <= '9' ? c - '0' : c - 'A' + 10);
        }
        if (stillRunning && stillRunning(id)) continue;
        std::error_code rm;
        if (fs::remove(it->path(), rm)) ++removed;
    }
    return removed;
}

std::string LastRunFileName(const LastRunNameParts& parts, size_t maxBytes) {
    std::string dateTime;
    for (const char c : parts.dateTime) {
        if (std::isalnum(static_cast<unsigned char>(c))) dateTime += c;
    }
    // What tells one run from another is kept whole; the title, number and level file name
    // before it give way when the name would be too long.
    const std::string run =
        "_" + dateTime + std::to_string(parts.steps) + (parts.solved ? "T" : "F") + ".tsn";
    const std::string raw = parts.title + std::to_string(parts.levelNumber) + parts.levelFileName;
    std::string level;
    for (const char c : ReplaceForbiddenChars(raw, "")) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || c == '!' || c == ',' || c == '\'' || c == '.') continue;
        level += c;
    }
    level = WithoutLeadingDashesAndBlanks(level);
    return ShortenedText(level, maxBytes > run.size() ? maxBytes - run.size() : 0) + run;
}

FileResult<std::string> NewLastRunFile(const LastRunNameParts& parts) {
    auto folder = UserSubFolder(kTempFolder);
    if (!folder) return folder.error();
    const size_t limit = FileNameLimit(*folder);
    fs::path path = fs::path(*folder) / LastRunFileName(parts, limit);
    // Any entry counts as taken, a link to nowhere included.
    std::error_code ec;
    for (int n = 2; fs::exists(fs::symlink_status(path, ec)); ++n) {
        std::string suffix = "-";
        suffix += std::to_string(n);
        std::string name =
            LastRunFileName(parts, limit > suffix.size() ? limit - suffix.size() : 0);
        name.insert(name.size() - 4, suffix);
        path = fs::path(*folder) / name;
    }
    return path.string();
}

}  // namespace tsn
