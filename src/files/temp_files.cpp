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

std::string LastRunFileName(const LastRunNameParts& parts) {
    std::string dateTime;
    for (const char c : parts.dateTime) {
        if (std::isalnum(static_cast<unsigned char>(c))) dateTime += c;
    }
    const std::string raw = parts.title + std::to_string(parts.levelNumber) + parts.levelFileName +
                            "_" + dateTime + std::to_string(parts.steps) + (parts.solved ? "T" : "F");
    std::string name;
    for (const char c : ReplaceForbiddenChars(raw, "")) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x20 || c == '!' || c == ',' || c == '\'' || c == '.') continue;
        name += c;
    }
    const auto first = name.find_first_not_of(' ');
    const auto last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string("run") : name.substr(first, last - first + 1);
    return name + ".tsn";
}

FileResult<std::string> NewLastRunFile(const LastRunNameParts& parts) {
    auto folder = UserSubFolder(kTempFolder);
    if (!folder) return folder.error();
    const std::string name = LastRunFileName(parts);
    const std::string stem = name.substr(0, name.size() - 4);
    fs::path path = fs::path(*folder) / name;
    std::error_code ec;
    for (int n = 2; fs::exists(path, ec); ++n) {
        path = fs::path(*folder) / (stem + "-" + std::to_string(n) + ".tsn");
    }
    return path.string();
}

}  // namespace tsn
