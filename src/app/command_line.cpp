#include "app/command_line.h"

namespace tsn {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine r;
    bool options = true;
    for (const std::string& a : args) {
        if (options && a == "--") {
            options = false;
        } else if (options && (a == "--help" || a == "-h")) {
            return {CommandLine::Action::kHelp, {}, {}};
        } else if (options && (a == "--version" || a == "-v")) {
            return {CommandLine::Action::kVersion, {}, {}};
        } else if (options && a.size() > 1 && a[0] == '-') {
            return {CommandLine::Action::kError, {}, "unknown option: " + a};
        } else if (!r.file.empty()) {
            return {CommandLine::Action::kError, {}, "only one file can be opened: " + a};
        } else if (a.empty()) {
            return {CommandLine::Action::kError, {}, "the file name is empty"};
        } else {
            r.file = a;
        }
    }
    return r;
}

std::string CommandLineHelp() {
    return "Usage: tessarin [OPTION]... [FILE]\n"
           "Plays the levels of FILE (a level set, a .qv level or a .tsn level), or the level\n"
           "file of the last session when no FILE is given. When a copy of the program is\n"
           "already running, FILE is opened there and this start ends.\n"
           "\n"
           "  -h, --help     print this text and exit\n"
           "  -v, --version  print the version and exit\n"
           "  --             end of options (for a FILE beginning with '-')\n";
}

}  // namespace tsn
