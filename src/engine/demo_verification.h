#pragma once
// Replaying the demo of one file without a window, as the batch verifier does.
#include <string>

#include "engine/verification_result.h"

namespace tsn {

// Loads the file as the batch verifier does (the file check, then its first level with the
// demo behind it), plays the demo with nothing displayed and returns the result row.
VerificationRow VerifyDemoFile(const std::string& path, int fileNumber);

}  // namespace tsn
