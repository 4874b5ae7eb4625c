// tessarin-cli: the engine without a window, for checking levels and demos in bulk.
#include <cstdio>
#include <string>

#include "cli/commands.h"

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

}  // namespace tsn::cli

namespace {

void PrintUsage(std::FILE* out) {
    std::fputs(
        "usage: tessarin-cli COMMAND [ARGS]\n"
        "\n"
        "commands:\n"
        "  info FILE...      list the levels of level sets, .qv and .tsn files\n"
        "  verify PATH... [--csv FILE] [--jobs N]\n"
        "                    replay the demo of every .qv and .tsn file found and report\n"
        "                    which ones solve their level\n"
        "  trace FILE [--level N] [--demo | --actions DIGITS [--seed S]] [--frames MAX]\n"
        "                    print the engine state after every frame of a run\n",
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
    if (command == "info") return tsn::cli::Info(args);
    if (command == "verify") return tsn::cli::Verify(args);
    if (command == "trace") return tsn::cli::Trace(args);
    if (command == "help" || command == "--help" || command == "-h") {
        PrintUsage(stdout);
        return 0;
    }
    std::fprintf(stderr, "tessarin-cli: unknown command '%s'\n", command.c_str());
    PrintUsage(stderr);
    return 2;
}
