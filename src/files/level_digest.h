#pragma once
// The digest that ties a player's progress to a level file's contents.
#include <string>

#include "files/byte_source.h"
#include "files/file_error.h"

namespace tsn {

// MD5 of the file's bytes as 32 upper-case hexadecimal digits. When the length is a positive
// multiple of 64 the last 64 bytes are left out (stored digests and player folder names rely
// on this rule).
FileResult<std::string> DigestFileToHexStr(const std::string& path);
FileResult<std::string> DigestToHexStr(ByteSource& src);

}  // namespace tsn
