#pragma once
// Where a write to a path lands when the path is a symbolic link: the file at the end of its
// chain of links, so that saving through a link updates the real file and the link stays.
#include <string>

#include "files/file_error.h"

namespace tsn {

// Links followed before a chain counts as a loop (the kernel's own limit).
inline constexpr int kMaxLinkHops = 40;

// `path` itself unless it is a symbolic link; else the path its chain of links ends at, which
// need not exist (a dangling link names the file a save creates). A relative link is read from
// the folder of the link. A chain longer than kMaxLinkHops links (a loop) or a link that cannot
// be read is an error naming `procedure`.
FileResult<std::string> FinalLinkTarget(const std::string& path, const std::string& procedure);

}  // namespace tsn
