#include "cli/same_file.h"

#include <filesystem>

namespace tsn::cli {

std::string InputNamedBy(const std::string& out, const std::vector<std::string>& inputs) {
    namespace fs = std::filesystem;
    std::error_code ec;
    if (!fs::exists(out, ec)) return {};
    for (const auto& in : inputs) {
        if (fs::equivalent(out, in, ec)) return in;
    }
    return {};
}

}  // namespace tsn::cli
