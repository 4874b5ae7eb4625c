#include "cli/commands.h"

#include <cstdio>

namespace tsn::cli {

int Info(const Args& args) {
    if (args.empty()) {
        std::fputs("usage: tessarin-cli info FILE...\n", stderr);
        return 2;
    }
    std::fputs("tessarin-cli info: not available yet\n", stderr);
    return 1;
}

}  // namespace tsn::cli
