#include "app/command_line.h"

namespace tsn {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine r;
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (options && a == "--") {
            options = false;
        } else if (options && (a == "--help" || a == "-h")) {
            return {CommandLine::Action::kHelp, {}, {}};
        } else if (options && (a == "--version" || a == "-v")) {
            return {CommandLine::Action::kVersion, {}, {}};
        } else if (options && a == "--quit-after") {
            const std::string value = i + 1 < args.size() ? args[++i] : std::string();
            const bool digits = !value.empty() && value.size() <= 6 &&
                                value.find_first_not_of("0123456789") == std::string::npos;
            if (!digits) return {CommandLine::Action::kError, {}, "--quit-after needs a number of seconds", -1};
            r.quitAfterSeconds = std::stoi(value);
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
           "  --quit-after SECONDS\n"
           "                 close the program after SECONDS seconds, also while a message\n"
           "                 waits for an answer (for scripted checks of an installation)\n"
           "  --             end of options (for a FILE beginning with '-')\n";
}

}  // namespace tsn
