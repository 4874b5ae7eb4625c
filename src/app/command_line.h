#pragma once
// The program's command line: "tessarin [--quit-after SECONDS] [FILE]", "--help", "--version".
#include <string>
#include <vector>

namespace tsn {

struct CommandLine {
    enum class Action { kRun, kHelp, kVersion, kError };
    Action action = Action::kRun;
    std::string file;   // the level file to open at start-up; empty for the last one
    std::string error;  // for kError
    int quitAfterSeconds = -1;  // "--quit-after": the program closes itself; -1 never
};

// `args` without the program's name. "--" ends the options (a file may begin with "-").
CommandLine ParseCommandLine(const std::vector<std::string>& args);

// The text "--help" prints.
std::string CommandLineHelp();

}  // namespace tsn
