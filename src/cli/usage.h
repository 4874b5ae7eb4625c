#pragma once
// What tessarin-cli says about itself: the overview of --help, each command's usage line (on
// a usage error) and its help (COMMAND --help), every option with an example.
#include <cstdio>
#include <string>

#include "cli/commands.h"

namespace tsn::cli {

// True for a command this build has.
bool KnownCommand(const std::string& command);

// True when the arguments ask for help: "--help" or "-h" before any "--".
bool AsksForHelp(const Args& args);

// A usage error of the command: its "usage: ..." lines on stderr; returns the exit status 2.
int UsageError(const std::string& command);
// The usage, what every option does and an example.
void PrintCommandHelp(const std::string& command, std::FILE* out);
// Every command with its usage, what it does and an example, then what all commands share.
void PrintOverview(std::FILE* out);

}  // namespace tsn::cli
