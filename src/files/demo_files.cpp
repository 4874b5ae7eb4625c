#include "files/demo_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/path_names.h"

namespace tsn {

namespace fs = std::filesystem;

bool IsDemoFileName(const std::string& path) { return IsQvName(path) || IsTsnName(path); }

std::vector<std::string> FindDemoFiles(const std::vector<std::string>& paths,
                                       std::vector<std::string>* missing) {
    std::vector<std::string> found;
    for (const auto& p : paths) {
        std::error_code ec;
        const auto status = fs::status(p, ec);
        if (ec || !fs::exists(status)) {
            if (missing) missing->push_back(p);
            continue;
        }
        if (fs::is_directory(status)) {
            const auto options = fs::directory_options::skip_permission_denied;
            for (fs::recursive_directory_iterator it(p, options, ec), end; !ec && it != end;
                 it.increment(ec)) {
                if (it->is_regular_file(ec) && IsDemoFileName(it->path().string()))
                    found.push_back(it->path().string());
            }
        } else if (IsDemoFileName(p)) {
            found.push_back(p);
        }
    }
    std::sort(found.begin(), found.end());
    found.erase(std::unique(found.begin(), found.end()), found.end());
    return found;
}

}  // namespace tsn
