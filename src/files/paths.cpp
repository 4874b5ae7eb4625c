#include "files/paths.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

#include "files/path_names.h"

namespace fs = std::filesystem;

namespace tsn {

namespace {

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v != nullptr ? std::string(v) : std::string();
}

bool IsDir(const fs::path& p) {
    std::error_code ec;
    return fs::is_directory(p, ec);
}

std::string ExecutableFolder() {
    std::error_code ec;
    const auto exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? std::string() : exe.parent_path().string();
}

}  // namespace

std::string UserDataFolder() {
    if (auto home = Env("TESSARIN_HOME"); !home.empty()) return home;
    if (auto xdg = Env("XDG_DATA_HOME"); !xdg.empty()) return (fs::path(xdg) / "tessarin").string();
    if (auto home = Env("HOME"); !home.empty()) {
        return (fs::path(home) / ".local" / "share" / "tessarin").string();
    }
    std::error_code ec;
    return (fs::temp_directory_path(ec) / "tessarin").string();
}

FileResult<std::string> UserSubFolder(const std::string& name) {
    const fs::path dir = fs::path(UserDataFolder()) / name;
    std::error_code ec;
    fs::create_directories(dir, ec);
    if (ec || !IsDir(dir)) {
        return FileError{"UserSubFolder", 1,
                         "cannot create directory " + dir.string() + ": " +
                             (ec ? ec.message() : std::string("not a directory"))};
    }
    return dir.string();
}

FileResult<std::string> EditorWorkFilePath() {
    auto temp = UserSubFolder(kTempFolder);
    if (!temp) return temp.error();
    return (fs::path(*temp) / kEditorWorkFileName).string();
}

FileResult<std::string> FindDataFolder(const std::string& override) {
    if (!override.empty()) {
        if (IsDir(override)) return override;
        return FileError{"FindDataFolder", 0, "The data folder " + override + " does not exist"};
    }
    if (auto env = Env("TESSARIN_DATA"); !env.empty()) {
        if (IsDir(env)) return env;
        return FileError{"FindDataFolder", 0, "The data folder " + env + " does not exist"};
    }
    std::vector<fs::path> candidates;
    const std::string exeDir = ExecutableFolder();
    if (!exeDir.empty()) {
        candidates.push_back(fs::path(exeDir) / "data");
        if (FindFileNoCase(exeDir, "tsn32.bmp") || FindFileNoCase(exeDir, "levels")) {
            candidates.push_back(exeDir);
        }
        candidates.push_back(fs::path(exeDir) / ".." / "share" / "tessarin");
    }
#ifdef TESSARIN_INSTALL_DATA_DIR
    candidates.push_back(TESSARIN_INSTALL_DATA_DIR);
#endif
#ifdef TESSARIN_SOURCE_DATA_DIR
    candidates.push_back(TESSARIN_SOURCE_DATA_DIR);
#endif
    for (const auto& c : candidates) {
        if (IsDir(c)) return fs::weakly_canonical(c).string();
    }
    return FileError{"FindDataFolder", 0, "No data folder was found beside the program"};
}

std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name) {
    fs::path at(folder.empty() ? "." : folder);
    size_t begin = 0;
    while (begin <= name.size()) {
        const size_t end = std::min(name.find('/', begin), name.size());
        const std::string part = name.substr(begin, end - begin);
        begin = end + 1;
        if (part.empty() || part == ".") {
            if (end == name.size()) break;
            continue;
        }
        std::error_code ec;
        if (fs::exists(at / part, ec)) {
            at /= part;
        } else {
            bool found = false;
            const std::string want = ToLower(part);
            for (fs::directory_iterator it(at, ec), last; !ec && it != last; it.increment(ec)) {
                const std::string have = it->path().filename().string();
                if (ToLower(have) == want) {
                    at /= have;
                    found = true;
                    break;
                }
            }
            if (!found) return std::nullopt;
        }
        if (end == name.size()) break;
    }
    std::error_code ec;
    if (!fs::exists(at, ec)) return std::nullopt;
    return at.string();
}

}  // namespace tsn
