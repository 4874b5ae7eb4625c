#include "run/demo_verification.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/run.h"
#include "files/load_demo_file.h"
#include "run/run_setup.h"

namespace tsn {

namespace {
// A demo ends by its own end marker or when its bytes run out: at most 16 frames a byte,
// plus the lead-out. This only guards against a run that could never end.
int64_t NaturalFrameLimit(const GameState& s) {
    return int64_t{16} * static_cast<int64_t>(s.LevelBytes.size()) + 1000;
}

VerificationRow UnreadableRow(int fileNumber, const std::string& path, const FileError& e) {
    VerificationRow row = FileErrorRow(fileNumber, path);
    row.detail = e.description;
    return row;
}
}  // namespace

VerificationRow VerifyDemoFile(const std::string& path, int fileNumber, const VerifyOptions& options) {
    GameState s;
    if (const auto checked = LoadDemoFile(s, path); !checked) {
        return UnreadableRow(fileNumber, path, checked.error());
    }

    // The file becomes the current level file, its first level the current level.
    RunSetup setup;
    setup.file = path;
    setup.level = 1;
    setup.demo = true;
    setup.rules = options.rules;
    if (const auto read = PrepareRun(s, setup); !read) return UnreadableRow(fileNumber, path, read.error());
    if (!s.LevelHasDemo) return NoDemoRow(fileNumber, path);

    BeginRun(s);
    int64_t limit = NaturalFrameLimit(s);
    if (options.maxFrames > 0) limit = std::min(limit, options.maxFrames);
    const int64_t total = s.DemoLengthFrames;
    std::function<void(const GameState&)> afterFrame;
    if (options.progress && options.progressFrames > 0) {
        afterFrame = [&](const GameState& g) {
            const int64_t played = g.Frames();
            if (played % options.progressFrames == 0) options.progress(played, total);
        };
    }
    const auto run = RunHeadless(s, {}, limit, afterFrame);

    VerificationRow row = PlayedRow(s, run.frames, fileNumber, path, false);
    if (run.stoppedAtLimit && options.maxFrames > 0 && limit == options.maxFrames) {
        row.solved = "Failed";
        row.error = kFrameLimitWord;
    }
    return row;
}

VerificationRow PlayedRow(const GameState& s, int64_t framesPlayed, int fileNumber,
                          const std::string& path, bool skipped) {
    VerificationRow row;
    row.fileNumber = fileNumber;
    row.path = path;
    row.steps = s.StepCount;
    row.framesRead = s.DemoLengthFrames;
    row.framesPlayed = framesPlayed;
    SetVerdict(row, s.LevelSolved, skipped);
    return row;
}

}  // namespace tsn
