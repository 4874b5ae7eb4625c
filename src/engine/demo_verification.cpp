#include "engine/demo_verification.h"

#include <algorithm>

#include "engine/game_state.h"
#include "engine/run.h"
#include "files/load_demo_file.h"
#include "files/read_level.h"

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
    s.NoDisplay = 1;
    s.PlayingDirectory = 1;
    if (const auto checked = LoadDemoFile(s, path); !checked) {
        return UnreadableRow(fileNumber, path, checked.error());
    }

    // The file becomes the current level file, its first level the current level.
    s.CurrentLevelFile = path;
    s.DemoFolderFile = path;
    s.CurrentLevelNumber = 1;
    s.LoadedLevelNumber = 1;
    s.DemoPlayback = 1;
    s.FreshRun = 0;
    if (const auto read = ReadLevel(s, ""); !read) return UnreadableRow(fileNumber, path, read.error());
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

    VerificationRow row;
    row.fileNumber = fileNumber;
    row.path = path;
    row.steps = s.StepCount;
    row.framesRead = s.DemoLengthFrames;
    row.framesPlayed = s.LastRunFrames / kFixedOne;
    if (run.stoppedAtLimit && options.maxFrames > 0 && limit == options.maxFrames) {
        row.solved = "Failed";
        row.error = kFrameLimitWord;
    } else {
        SetVerdict(row, s.LevelSolved, false);
    }
    return row;
}

}  // namespace tsn
