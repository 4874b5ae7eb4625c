#pragma once
// Replacing a file's contents without ever losing the previous contents: the new bytes go to
// a temporary file with a short name in the same folder, which is flushed to disk and then
// renamed over the target. Until the rename the old file is untouched; after it the new file
// is complete. Every writer of the project saves through this helper.
#include <cstdint>
#include <span>
#include <string>

#include "files/file_error.h"

namespace tsn {

// Writes `data` as the new contents of `path`. A symbolic link is followed to the file it
// leads to (created when the link dangles) and stays a link; a link loop is an error. A file
// whose permission bits forbid the writer to write it (for the superuser: no write bit at
// all) is refused and left alone, as is anything but a regular file. A replaced file keeps its
// owner, group and permission bits as far as the system allows; a new one gets 0666 less the
// umask. A failure leaves an existing file as it was, removes the temporary file and is
// reported with the given procedure name.
FileStatus WriteFileSafely(const std::string& path, std::span<const uint8_t> data,
                           const std::string& procedure);

}  // namespace tsn
