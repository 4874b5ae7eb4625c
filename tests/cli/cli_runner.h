#pragma once
// Runs the real tessarin-cli program with an argument vector (no shell), capturing its output.
#include <functional>
#include <string>
#include <vector>

namespace tsn::testing {

struct CliRun {
    std::vector<std::string> args;
    // stderr goes to a pseudo-terminal instead of a pipe, so the program sees a terminal there.
    bool stderrOnTerminal = false;
    // Runs in the child just before the program starts (limits, user); exits 126 on false.
    std::function<bool()> inChild;
};

struct CliResult {
    int status = -1;  // exit status; -1 when the program did not exit normally
    std::string out;
    std::string err;
};

CliResult RunCli(const CliRun& run);
inline CliResult RunCli(std::vector<std::string> args) { return RunCli(CliRun{std::move(args), false, {}}); }

}  // namespace tsn::testing
