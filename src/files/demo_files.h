#pragma once
// Finding the demo files (.qv and .tsn, any case) among given files and below given folders.
#include <string>
#include <vector>

namespace tsn {

// True for names ending in ".qv" or ".tsn", in any case.
bool IsDemoFileName(const std::string& path);

// Every demo file among `paths`: a file is taken when its name is a demo file name, a folder
// is searched with all its sub-folders. The result is in sorted path order without
// duplicates. Paths that do not exist are returned in `missing`.
std::vector<std::string> FindDemoFiles(const std::vector<std::string>& paths,
                                       std::vector<std::string>* missing = nullptr);

}  // namespace tsn
