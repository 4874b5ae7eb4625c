#include "files/demo_files.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "files/path_names.h"

namespace tsn {

namespace fs = std::filesystem;

bool IsDemoFileName(const std::string& path) { return IsQvName(path) || IsTsnName(path); }

namespace {

class DemoSearch {
public:
    explicit DemoSearch(std::vector<SkippedPath>* skipped) : skipped_(skipped) {}

    void Given(const std::string& p) {
        std::error_code ec;
        const auto status = fs::status(p, ec);
        if (!fs::exists(status)) {
            const bool absent = !ec || ec == std::errc::no_such_file_or_directory;
            Skip(p, absent ? "not found" : ec.message());
        } else if (fs::is_directory(status)) {
            Folder(p);
        } else if (!IsDemoFileName(p)) {
            Skip(p, "not a demo file (.qv or .tsn)");
        } else {
            found_.push_back(p);
        }
    }

    std::vector<std::string> Found() {
        std::sort(found_.begin(), found_.end());
        found_.erase(std::unique(found_.begin(), found_.end()), found_.end());
        return std::move(found_);
    }

private:
    // Every entry is looked at; a folder that cannot be listed, wholly or from some entry on,
    // is reported rather than passed over.
    void Folder(const fs::path& dir) {
        std::error_code ec;
        fs::directory_iterator it(dir, ec);
        for (const fs::directory_iterator end; !ec && it != end; it.increment(ec)) Entry(*it);
        if (ec) Skip(dir.string(), "cannot read the folder: " + ec.message());
    }

    void Entry(const fs::directory_entry& entry) {
        std::error_code ec;
        const std::string name = entry.path().string();
        if (entry.is_directory(ec) && !entry.is_symlink(ec)) {
            Folder(entry.path());
        } else if (IsDemoFileName(name)) {
            if (entry.is_regular_file(ec)) found_.push_back(name);
            else Skip(name, "not a regular file");
        }
    }

    void Skip(const std::string& path, const std::string& reason) {
        if (skipped_) skipped_->push_back({path, reason});
    }

    std::vector<SkippedPath>* skipped_;
    std::vector<std::string> found_;
};

}  // namespace

std::vector<std::string> FindDemoFiles(const std::vector<std::string>& paths,
                                       std::vector<SkippedPath>* skipped) {
    DemoSearch search(skipped);
    for (const auto& p : paths) search.Given(p);
    return search.Found();
}

}  // namespace tsn
