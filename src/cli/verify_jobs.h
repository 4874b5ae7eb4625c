#pragma once
// Playing the demos of a verify run on several threads, with progress on a terminal.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/run_rules.h"
#include "run/verification_result.h"

namespace tsn::cli {

// Plays every file on up to `jobs` threads (never more than there are files; fewer when the
// system refuses more threads) and returns row i for file i. A demo still running after
// `maxFrames` frames (0: no limit) is stopped and reported as failed; every demo plays by
// `rules`. A file that runs out of memory becomes its own "Out of memory" row. With `progress` a status line on stderr shows
// the files done and, during long demos, the frames played.
std::vector<VerificationRow> VerifyAll(const std::vector<std::string>& files, int jobs,
                                       int64_t maxFrames, const RunRules& rules, bool progress);

}  // namespace tsn::cli
