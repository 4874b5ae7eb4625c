#include "engine/demo_verification.h"

#include "engine/game_state.h"
#include "engine/run.h"
#include "files/load_demo_file.h"
#include "files/read_level.h"

namespace tsn {

namespace {
// A demo ends by its own end marker or when its bytes run out; this only guards against a
// run that could never end (more frames than any demo of the largest buffer can hold).
constexpr int64_t kFrameLimit = int64_t{16} * 40'000'000;
}  // namespace

VerificationRow VerifyDemoFile(const std::string& path, int fileNumber) {
    GameState s;
    s.NoDisplay = 1;
    s.PlayingDirectory = 1;
    if (!LoadDemoFile(s, path)) return FileErrorRow(fileNumber, path);

    // The file becomes the current level file, its first level the current level.
    s.CurrentLevelFile = path;
    s.DemoFolderFile = path;
    s.CurrentLevelNumber = 1;
    s.LoadedLevelNumber = 1;
    s.DemoPlayback = 1;
    s.FreshRun = 0;
    if (!ReadLevel(s, "") || !s.LevelHasDemo) return NoDemoRow(fileNumber, path);

    BeginRun(s);
    RunHeadless(s, {}, kFrameLimit);

    VerificationRow row;
    row.fileNumber = fileNumber;
    row.path = path;
    row.steps = s.StepCount;
    row.framesRead = s.DemoLengthFrames;
    row.framesPlayed = s.LastRunFrames / kFixedOne;
    SetVerdict(row, s.LevelSolved, false);
    return row;
}

}  // namespace tsn
