#include "files/demo_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace tsn {

namespace fs = std::filesystem;

bool IsDemoFileName(const std::string& path) {
    std::string ext = fs::path(path).extension().string();
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext == ".qv" || ext == ".tsn";
}

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
