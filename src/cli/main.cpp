// tessarin-cli: the engine without a window, for checking levels and demos in bulk.
#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

#include "cli/commands.h"
#include "cli/printable.h"
#include "cli/usage.h"

namespace tsn::cli {

bool ParseNumber(const std::string& text, long long low, long long high, long long& out) {
    try {
        size_t used = 0;
        out = std::stoll(text, &used);
        return used == text.size() && out >= low && out <= high;
    } catch (...) {
        return false;
    }
}

bool ParseRules(const std::string& text, RunRules& out) {
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find(',', start), text.size());
        const std::string item = text.substr(start, end - start);
        const size_t eq = item.find('=');
        if (eq == std::string::npos) return false;
        const std::string name = item.substr(0, eq);
        const std::string value = item.substr(eq + 1);
        if (value != "on" && value != "off") return false;
        bool* rule = name == "red-disk-cheat"  ? &out.AllowRedDiskCheat
                     : name == "eat-right-bug" ? &out.AllowEatRightRedDiskBug
                                               : nullptr;
        if (rule == nullptr) return false;
        *rule = value == "on";
        start = end + 1;
    }
    return true;
}

}  // namespace tsn::cli

int main(int argc, char** argv) {
    using namespace tsn::cli;
    if (argc < 2) {
        PrintOverview(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const Args args(argv + 2, argv + argc);
    if (command == "help" || command == "--help" || command == "-h") {
        if (!args.empty() && KnownCommand(args[0])) PrintCommandHelp(args[0], stdout);
        else PrintOverview(stdout);
        return 0;
    }
    if (KnownCommand(command) && AsksForHelp(args)) {
        PrintCommandHelp(command, stdout);
        return 0;
    }
    try {
        if (command == "info") return Info(args);
        if (command == "verify") return Verify(args);
        if (command == "trace") return Trace(args);
        if (command == "convert") return Convert(args);
#ifdef TESSARIN_CLI_RENDER
        if (command == "render") return Render(args);
#endif
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        std::fputs("tessarin-cli: not enough memory\n", stderr);
        return 1;
    }
    std::fprintf(stderr, "tessarin-cli: unknown command '%s'\n", PrintablePath(command).c_str());
    PrintOverview(stderr);
    return 2;
}
