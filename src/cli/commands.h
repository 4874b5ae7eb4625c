#pragma once
// Sub-commands of tessarin-cli. Each returns the process exit status:
// 0 success, 1 a file or a demo failed, 2 a usage error.
#include <string>
#include <vector>

#include "engine/run_rules.h"

namespace tsn::cli {

using Args = std::vector<std::string>;

// A whole decimal number within [low, high]; false for anything else.
bool ParseNumber(const std::string& text, long long low, long long high, long long& out);

// The game rules from "--rules": comma-separated NAME=on|off with the names red-disk-cheat
// and eat-right-bug; rules not named keep their defaults. False for anything else.
bool ParseRules(const std::string& text, RunRules& out);

int Info(const Args& args);
int Verify(const Args& args);
int Trace(const Args& args);
int Convert(const Args& args);
#ifdef TESSARIN_CLI_RENDER
int Render(const Args& args);
#endif

}  // namespace tsn::cli
