// tessarin-cli: the engine without a window, for checking levels and demos in bulk.
#include <algorithm>
#include <cstdio>
#include <new>
#include <string>

#include "cli/commands.h"
#include "cli/printable.h"

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

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(
        "usage: tessarin-cli COMMAND [ARGS]\n"
        "\n"
        "commands:\n"
        "  info FILE...      list the levels of level sets, .qv and .tsn files, and the\n"
        "                    progress a player.lst records\n"
        "  verify PATH... [--csv FILE] [--jobs N] [--max-frames N] [--rules RULES]\n"
        "                    replay the demo of every .qv and .tsn file found and report\n"
        "                    which ones solve their level; a demo still running after N\n"
        "                    frames is stopped and reported as failed with the error\n"
        "                    \"Frame limit reached\"\n"
        "  trace FILE [--level N] [--demo | --actions DIGITS [--seed S]] [--frames MAX]\n"
        "        [--rules RULES]\n"
        "                    print the engine state after every frame of a run\n"
        "\n"
        "\"--\" ends the options of a command: the arguments after it are file names.\n"
        "Level files longer than 2147483647 bytes (2 GiB - 1) are refused.\n"
        "Runs play by the game's default rules, as the game's options have them. Demos\n"
        "recorded with other options need the same rules: RULES is a comma-separated list\n"
        "of red-disk-cheat=on|off and eat-right-bug=on|off (default: both on).\n",
        out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        PrintUsage(stderr);
        return 2;
    }
    const std::string command = argv[1];
    const tsn::cli::Args args(argv + 2, argv + argc);
    try {
        if (command == "info") return tsn::cli::Info(args);
        if (command == "verify") return tsn::cli::Verify(args);
        if (command == "trace") return tsn::cli::Trace(args);
    } catch (const std::bad_alloc&) {
        std::fflush(stdout);
        std::fputs("tessarin-cli: not enough memory\n", stderr);
        return 1;
    }
    if (command == "help" || command == "--help" || command == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "tessarin-cli: unknown command '%s'\n", tsn::cli::PrintablePath(command).c_str());
    PrintUsage(stderr);
    return 2;
}
