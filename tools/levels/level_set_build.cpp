#include "level_set_build.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include "engine/game_state.h"
#include "files/qv_file.h"
#include "move_script.h"
#include "solution_run.h"

namespace tsn::levels {

namespace {
std::string Numbered(int n, const char* extension) {
    char name[32];
    std::snprintf(name, sizeof name, "%03d.%s", n, extension);
    return name;
}
}  // namespace

std::string SolutionFileName(int n) { return Numbered(n, "qv"); }

std::vector<uint8_t> ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

std::vector<LevelSource> LoadLevelSources(const std::string& folder) {
    namespace fs = std::filesystem;
    std::vector<LevelSource> levels;
    for (int n = 1;; ++n) {
        const fs::path path = fs::path(folder) / Numbered(n, "txt");
        if (!fs::exists(path)) break;
        std::ifstream in(path, std::ios::binary);
        std::stringstream text;
        text << in.rdbuf();
        try {
            levels.push_back(ParseLevelSource(text.str()));
        } catch (const SourceError& e) {
            throw SourceError(0, path.string() + ": " + e.what());
        }
    }
    // A numbered file beyond the first gap would silently drop out of the set.
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.size() == 7 && name.substr(3) == ".txt" && std::isdigit(static_cast<unsigned char>(name[0]))) {
            const int n = std::atoi(name.substr(0, 3).c_str());
            if (n < 1 || n > static_cast<int>(levels.size()))
                throw SourceError(0, entry.path().string() + ": not part of the numbered sequence");
        }
    }
    if (levels.empty()) throw SourceError(0, folder + ": no level files 001.txt, 002.txt, ...");
    return levels;
}

std::vector<uint8_t> BuildLevelSet(const std::vector<LevelSource>& levels) {
    std::vector<uint8_t> set;
    for (const auto& level : levels) {
        const auto record = BuildRecord(level);
        set.insert(set.end(), record.begin(), record.end());
    }
    return set;
}

SaveOptions SolutionSaveOptions() {
    SaveOptions o;
    o.signature.mySignature = "Tessarin level set solution";
    o.signature.dateTime = "2026-12-06 00:00:00";
    o.signature.version = "1.0.0";
    return o;
}

SolutionBuild BuildSolution(const std::vector<uint8_t>& set, const LevelSource& level, int n) {
    SolutionBuild b;
    GameState s;
    try {
        const auto script = ParseMoveScript(level.solution);
        const ScriptRun run = PlayScript(s, set, n, level.seed, script);
        b.solved = run.solved;
        b.frames = run.frames;
        b.failure = run.failure;
    } catch (const ScriptError& e) {
        b.failure = e.what();
        return b;
    }
    if (!b.solved) return b;
    s.Info.setRandomSeed(s.StartRandomSeed);
    auto built = BuildQV(s, false, SolutionSaveOptions());
    if (!built) {
        b.solved = false;
        b.failure = built.error().Text();
        return b;
    }
    b.qv = std::move(built->bytes);
    return b;
}

}  // namespace tsn::levels
