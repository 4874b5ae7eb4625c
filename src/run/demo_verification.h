#pragma once
// Replaying the demo of one file without a window, as the batch verifier does.
#include <cstdint>
#include <functional>
#include <string>

#include "engine/run_rules.h"
#include "run/verification_result.h"

namespace tsn {

struct VerifyOptions {
    // The game rules the demos were recorded with.
    RunRules rules;
    // Frames after which a demo that is still running is stopped and reported with
    // kFrameLimitWord; 0 or less: no limit but the one every demo ends by anyway.
    int64_t maxFrames = 0;
    // Called every `progressFrames` frames of a run with the frames played and the frames the
    // demo holds.
    std::function<void(int64_t played, int64_t total)> progress;
    int64_t progressFrames = int64_t{1} << 16;
};

struct GameState;

// The row of a demo run that has ended after `framesPlayed` frames: steps, the frames the demo
// holds and the frames played, and the verdict; `skipped` when the user cut the run short.
VerificationRow PlayedRow(const GameState& s, int64_t framesPlayed, int fileNumber,
                          const std::string& path, bool skipped);

// Loads the file as the batch verifier does (the file check, then its first level with the
// demo behind it), plays the demo by the options' rules with nothing displayed and returns
// the result row. A file that cannot be checked or read gives "Error opening file" with the
// reason in `detail`.
VerificationRow VerifyDemoFile(const std::string& path, int fileNumber,
                               const VerifyOptions& options);

}  // namespace tsn
