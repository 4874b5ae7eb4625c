#include "files/path_names.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>

namespace tsn {

std::string FileNameOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string FolderOf(std::string_view path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string_view::npos ? std::string() : std::string(path.substr(0, slash));
}

std::string NameWithoutExtension(std::string_view path) {
    const std::string name = FileNameOf(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string ExtensionOf(std::string_view path) {
    const std::string name = FileNameOf(path);
    const auto dot = name.find_last_of('.');
    return dot == std::string::npos ? std::string() : ToLower(name.substr(dot + 1));
}

bool FileExists(std::string_view path) {
    if (path.empty()) return false;
    struct stat st {};
    return ::stat(std::string(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

int CountOccurrences(std::string_view text, std::string_view what) {
    if (what.empty()) return 0;
    int n = 0;
    for (auto pos = text.find(what); pos != std::string_view::npos;
         pos = text.find(what, pos + what.size())) {
        ++n;
    }
    return n;
}

std::string ReplaceForbiddenChars(std::string_view text, std::string_view with) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case ':': case '\\': case '/': case '?': case '*': case '<': case '>': case '|':
            case '"':
                out += with;
                break;
            default:
                out += c;
        }
    }
    return out;
}

std::string ToLower(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::string WithoutLeadingDashesAndBlanks(std::string_view text) {
    const auto first = text.find_first_not_of("- ");
    return first == std::string_view::npos ? std::string() : std::string(text.substr(first));
}

std::string ShortenedText(std::string_view text, size_t maxBytes) {
    if (text.size() <= maxBytes) return std::string(text);
    size_t end = maxBytes;
    // Bytes 10xxxxxx continue a character that began before them.
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80) --end;
    return std::string(text.substr(0, end));
}

size_t FileNameLimit(const std::string& folder) {
    const long limit = ::pathconf(folder.c_str(), _PC_NAME_MAX);
    return limit > 0 ? static_cast<size_t>(limit) : 255;
}

bool WildcardMatch(std::string_view name, std::string_view pattern) {
    // Iterative matcher with back-tracking to the last "*".
    size_t n = 0, p = 0, starP = std::string_view::npos, starN = 0;
    auto same = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || same(pattern[p], name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string_view::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

bool IsLevelSetName(std::string_view path) {
    const std::string name = FileNameOf(path);
    return WildcardMatch(name, "*.dat") || WildcardMatch(name, "*.d??");
}

bool IsQvName(std::string_view path) { return WildcardMatch(FileNameOf(path), "*.qv"); }

bool IsTsnName(std::string_view path) { return WildcardMatch(FileNameOf(path), "*.tsn"); }

}  // namespace tsn
