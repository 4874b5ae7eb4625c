#pragma once
// Finding the demo files (.qv and .tsn, any case) among given files and below given folders.
#include <string>
#include <vector>

namespace tsn {

// True for names ending in ".qv" or ".tsn", in any case.
bool IsDemoFileName(const std::string& path);

// A given path, or a folder below one, that could not be searched or taken as a demo file.
struct SkippedPath {
    std::string path;
    std::string reason;  // "not found", "not a demo file (.qv or .tsn)", "cannot read the folder: ..."
};

// Every demo file among `paths`: a file is taken when its name is a demo file name, a folder
// is searched with all its sub-folders (symbolic links to folders are not followed; links to
// files are taken like files). The result is in sorted path order without duplicates. Each
// path that is missing, a named file that is not a demo file, a folder or sub-folder that
// cannot be read, and a demo file name inside a folder that is not a regular file go to
// `skipped`, in the order met.
std::vector<std::string> FindDemoFiles(const std::vector<std::string>& paths,
                                       std::vector<SkippedPath>* skipped = nullptr);

}  // namespace tsn
