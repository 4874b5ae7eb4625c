// Headless frames per second of the engine on dense levels, nothing displayed.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/game_state.h"
#include "engine/level_start.h"
#include "engine/run.h"
#include "run/run_setup.h"

namespace {

using tsn::GameState;

// A level of the given size whose inner cells are filled from a fixed mix of busy elements:
// Zonks, Infotrons, both enemies, bugs and terminals between bases, space and RAM, with Murphy
// in a corridor so that he can walk back and forth.
GameState DenseLevel(int width, int height) {
    GameState s;
    s.clock = [] { return int32_t{0}; };
    s.LevelBufferUpper = width * height + tsn::kLevelInfoSize - 1;
    s.SetGeometry(width, height);
    uint32_t r = 12345;
    auto next = [&r] {
        r = r * 1103515245u + 12345u;
        return (r >> 16) % 100;
    };
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            uint8_t code = 0;
            if (x == 0 || y == 0 || x == width - 1 || y == height - 1) {
                code = 6;
            } else {
                const uint32_t n = next();
                code = n < 20   ? 0
                       : n < 35 ? 2
                       : n < 50 ? 1
                       : n < 62 ? 4
                       : n < 68 ? 17
                       : n < 74 ? 24
                       : n < 80 ? 25
                       : n < 84 ? 19
                       : n < 90 ? 5
                       : n < 94 ? 8
                                : 0;
            }
            s.PlayField16[y * width + x] = code;
            s.FieldBytes[static_cast<size_t>(y * width + x)] = code;
        }
    }
    // Murphy's corridor in the second row, with hardware below so he stays up there.
    for (int x = 1; x < width - 1 && x < 12; ++x) {
        s.PlayField16[width + x] = x == 1 ? 3 : 2;
        s.PlayField16[2 * width + x] = 6;
    }
    s.Info.setInfotronsNeeded(255);
    for (int i = 0; i < tsn::kLevelInfoSize; ++i)
        s.PlayField16[width * height + i] = s.Info.bytes[static_cast<size_t>(i)];
    s.LevelLoaded = true;
    tsn::RunSetup setup;
    setup.readLevel = false;
    setup.seed = 4711;
    (void)tsn::PrepareRun(s, setup);
    return s;
}

// Murphy walks right for 40 frames, then left for 40, and so on.
int Walk(int64_t frame) { return (frame / 40) % 2 == 0 ? 4 : 2; }

void RunFrames(benchmark::State& state, int width, int height) {
    const GameState start = DenseLevel(width, height);
    constexpr int kFramesPerBatch = 2000;
    int64_t frames = 0;
    for (auto _ : state) {
        state.PauseTiming();
        GameState s = start;
        tsn::BeginRun(s);
        state.ResumeTiming();
        for (int f = 0; f < kFramesPerBatch; ++f) {
            if (tsn::RunOneFrame(s, Walk(f))) {
                // The level ended (Murphy caught): keep the world running without him.
                s.EndLevelNow = 0;
                s.LeadOutCounter = 0;
            }
        }
        frames += kFramesPerBatch;
        benchmark::DoNotOptimize(s.RandomSeed);
    }
    state.counters["frames/s"] =
        benchmark::Counter(static_cast<double>(frames), benchmark::Counter::kIsRate);
}

void BM_DenseStandardLevel(benchmark::State& state) { RunFrames(state, 60, 24); }
void BM_DenseLargestLevel(benchmark::State& state) { RunFrames(state, 125, 125); }

BENCHMARK(BM_DenseStandardLevel)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DenseLargestLevel)->Unit(benchmark::kMillisecond);

}  // namespace
