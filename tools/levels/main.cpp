// tessarin-levels: builds the default level set from its text sources and records, checks and
// inspects the solution demos.
//
//   tessarin-levels build SRC SET           write the level set built from SRC/NNN.txt
//   tessarin-levels solve SRC SET DIR [N]   play every level's script (or only level N) and
//                                           write DIR/NNN.qv for each solved level
//   tessarin-levels check SRC SET DIR       rebuild the set and every demo in memory and
//                                           compare them with the files; exit 1 on a difference
//   tessarin-levels show SRC N [STEPS]      play level N's script (its first STEPS steps) and
//                                           print the field where it stops
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "level_set_build.h"
#include "move_script.h"
#include "solution_run.h"

namespace {

using namespace tsn::levels;

int Usage() {
    std::fputs("usage: tessarin-levels build SRC SET | solve SRC SET DIR [N] | check SRC SET DIR | show SRC N [STEPS]\n",
               stderr);
    return 2;
}

int Build(const std::string& src, const std::string& setPath) {
    const auto levels = LoadLevelSources(src);
    if (!WriteFileBytes(setPath, BuildLevelSet(levels))) {
        std::fprintf(stderr, "cannot write %s\n", setPath.c_str());
        return 1;
    }
    std::printf("%zu levels written to %s\n", levels.size(), setPath.c_str());
    return 0;
}

int Solve(const std::string& src, const std::string& setPath, const std::string& dir, int only) {
    const auto levels = LoadLevelSources(src);
    const auto set = BuildLevelSet(levels);
    if (ReadFileBytes(setPath) != set) {
        std::fprintf(stderr, "%s is not built from %s; run build first\n", setPath.c_str(), src.c_str());
        return 1;
    }
    std::filesystem::create_directories(dir);
    int failed = 0;
    int64_t total = 0;
    for (size_t i = 0; i < levels.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        if (only != 0 && n != only) continue;
        const SolutionBuild b = BuildSolution(set, levels[i], n);
        if (!b.solved) {
            std::printf("%03d %s  FAILED: %s\n", n, levels[i].title.c_str(), b.failure.c_str());
            ++failed;
            continue;
        }
        total += b.frames;
        WriteFileBytes((std::filesystem::path(dir) / SolutionFileName(n)).string(), b.qv);
        std::printf("%03d %s  %lld frames\n", n, levels[i].title.c_str(), static_cast<long long>(b.frames));
    }
    std::printf("%d failed, %lld frames in all\n", failed, static_cast<long long>(total));
    return failed == 0 ? 0 : 1;
}

int Check(const std::string& src, const std::string& setPath, const std::string& dir) {
    const auto levels = LoadLevelSources(src);
    const auto set = BuildLevelSet(levels);
    int differences = 0;
    if (ReadFileBytes(setPath) != set) {
        std::printf("%s differs from the set built from %s\n", setPath.c_str(), src.c_str());
        ++differences;
    }
    for (size_t i = 0; i < levels.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const std::string path = (std::filesystem::path(dir) / SolutionFileName(n)).string();
        const SolutionBuild b = BuildSolution(set, levels[i], n);
        if (!b.solved) {
            std::printf("level %d: the script does not solve it: %s\n", n, b.failure.c_str());
            ++differences;
        } else if (ReadFileBytes(path) != b.qv) {
            std::printf("%s differs from the demo recorded from the script\n", path.c_str());
            ++differences;
        }
    }
    std::error_code ec;
    size_t demos = 0;
    for (const auto& entry : std::filesystem::directory_iterator(dir, ec))
        if (entry.path().extension() == ".qv") ++demos;
    if (demos != levels.size()) {
        std::printf("%zu demo files for %zu levels\n", demos, levels.size());
        ++differences;
    }
    std::printf("%zu levels, %d differences\n", levels.size(), differences);
    return differences == 0 ? 0 : 1;
}

int Show(const std::string& src, int n, size_t steps) {
    const auto levels = LoadLevelSources(src);
    if (n < 1 || n > static_cast<int>(levels.size())) return Usage();
    const auto set = BuildLevelSet(levels);
    tsn::GameState s;
    const auto script = ParseMoveScript(levels[static_cast<size_t>(n - 1)].solution);
    const ScriptRun run = PlayScript(s, set, n, levels[static_cast<size_t>(n - 1)].seed, script, steps);
    if (run.solved) std::printf("solved in %lld frames\n", static_cast<long long>(run.frames));
    else std::printf("%s", run.failure.c_str());
    return run.solved ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> a(argv + 1, argv + argc);
    try {
        if (a.size() == 3 && a[0] == "build") return Build(a[1], a[2]);
        if ((a.size() == 4 || a.size() == 5) && a[0] == "solve")
            return Solve(a[1], a[2], a[3], a.size() == 5 ? std::atoi(a[4].c_str()) : 0);
        if (a.size() == 4 && a[0] == "check") return Check(a[1], a[2], a[3]);
        if ((a.size() == 3 || a.size() == 4) && a[0] == "show")
            return Show(a[1], std::atoi(a[2].c_str()),
                        a.size() == 4 ? static_cast<size_t>(std::atol(a[3].c_str())) : SIZE_MAX);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "tessarin-levels: %s\n", e.what());
        return 1;
    }
    return Usage();
}
