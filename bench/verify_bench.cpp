// Verifying a folder of demos: the batch verifier's speed, files read and replayed headless.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "engine/game_state.h"
#include "engine/level_start.h"
#include "engine/run.h"
#include "files/demo_files.h"
#include "files/qv_file.h"
#include "run/demo_verification.h"
#include "run/run_setup.h"

namespace {

namespace fs = std::filesystem;
using tsn::GameState;

constexpr int kDemos = 200;

// A standard level with a long corridor: Murphy walks it, eats Infotrons and leaves through
// the exit, while enemies roam the rest of the level.
GameState CorridorLevel(int variant) {
    GameState s;
    s.clock = [] { return int32_t{0}; };
    s.SetGeometry(60, 24);
    for (int y = 0; y < 24; ++y) {
        for (int x = 0; x < 60; ++x) {
            uint8_t code = 6;
            if (y >= 4 && y < 23 && x > 0 && x < 59) code = (x * 7 + y * 3 + variant) % 11 == 0 ? 1 : 2;
            if (y == 1 && x > 0 && x < 59) code = x % 5 == 0 ? 4 : 0;
            s.PlayField16[y * 60 + x] = code;
        }
    }
    s.PlayField16[60 + 1] = 3;
    s.PlayField16[60 + 58] = 7;
    s.PlayField16[10 * 60 + 20 + variant % 30] = 17;
    s.PlayField16[15 * 60 + 10 + variant % 40] = 24;
    for (int i = 0; i < 1440; ++i) s.FieldBytes[static_cast<size_t>(i)] = static_cast<uint8_t>(s.PlayField16[i]);
    s.Info.setTitle("BENCH CORRIDOR");
    for (int i = 0; i < tsn::kLevelInfoSize; ++i)
        s.PlayField16[1440 + i] = s.Info.bytes[static_cast<size_t>(i)];
    s.LevelLoaded = true;
    return s;
}

const std::vector<std::string>& DemoFiles() {
    static std::vector<std::string> files = [] {
        const fs::path dir = fs::temp_directory_path() / "tessarin-verify-bench";
        fs::remove_all(dir);
        fs::create_directories(dir);
        for (int i = 0; i < kDemos; ++i) {
            GameState s = CorridorLevel(i);
            tsn::RunSetup setup;
            setup.readLevel = false;
            setup.seed = static_cast<uint16_t>(i * 977);
            (void)tsn::PrepareRun(s, setup);
            tsn::BeginRun(s);
            tsn::RunHeadless(s, [](int64_t) { return 4; }, 3000);
            s.Info.setRandomSeed(s.StartRandomSeed);
            tsn::SaveOptions options;
            options.signature.dateTime = "bench";
            options.signature.version = "1.0.0";
            (void)tsn::SaveQV(s, (dir / ("demo" + std::to_string(i) + ".qv")).string(), false,
                              options);
        }
        return tsn::FindDemoFiles({dir.string()});
    }();
    return files;
}

void BM_VerifyFolderOf200Demos(benchmark::State& state) {
    const auto& files = DemoFiles();
    int64_t frames = 0;
    for (auto _ : state) {
        for (size_t i = 0; i < files.size(); ++i) {
            const auto row = tsn::VerifyDemoFile(files[i], static_cast<int>(i + 1), tsn::VerifyOptions{});
            frames += row.framesPlayed;
        }
    }
    state.counters["demos/s"] = benchmark::Counter(
        static_cast<double>(files.size() * state.iterations()), benchmark::Counter::kIsRate);
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}

BENCHMARK(BM_VerifyFolderOf200Demos)->Unit(benchmark::kMillisecond);

}  // namespace
