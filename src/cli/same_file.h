#pragma once
// Whether writing a file would replace one of the files a command reads.
#include <string>
#include <vector>

namespace tsn::cli {

// The file among `inputs` that `out` names (through links and other spellings of the same
// path), or an empty text when `out` is none of them or does not exist yet.
std::string InputNamedBy(const std::string& out, const std::vector<std::string>& inputs);

}  // namespace tsn::cli
