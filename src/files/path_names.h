#pragma once
// Small text helpers on file paths ("/" separated) shared by the file layer.
#include <string>
#include <string_view>

namespace tsn {

// Text after the last "/" (the whole path when there is none).
std::string FileNameOf(std::string_view path);
// Text before the last "/" (empty when there is none).
std::string FolderOf(std::string_view path);
// File name without its extension.
std::string NameWithoutExtension(std::string_view path);
// Lower-case text after the last "." of the last path component; empty when there is none.
std::string ExtensionOf(std::string_view path);
// True for a non-empty name of an existing regular file.
bool FileExists(std::string_view path);
// Number of (non-overlapping) occurrences of `what` in `text`; 0 for an empty `what`.
int CountOccurrences(std::string_view text, std::string_view what);
// Replaces every character not allowed in file names (: \ / ? * < > | ") by `with`.
std::string ReplaceForbiddenChars(std::string_view text, std::string_view with);
std::string ToLower(std::string_view text);
// `text` without the dashes and blanks it begins with: a file name starting with "-" reads as
// an option to every command-line program.
std::string WithoutLeadingDashesAndBlanks(std::string_view text);
// The first `maxBytes` bytes of `text`, shortened further so that no UTF-8 character is cut.
std::string ShortenedText(std::string_view text, size_t maxBytes);
// The longest file name (in bytes) the file system of `folder` takes; 255 when it cannot tell.
size_t FileNameLimit(const std::string& folder);
// Case-insensitive match of a whole name against a pattern with "*" (any run of characters)
// and "?" (exactly one character).
bool WildcardMatch(std::string_view name, std::string_view pattern);

// Level files by name: a level set ("*.dat" or "*.d" + two characters), a single-level file
// ("*.qv") or a container ("*.tsn"), any case.
bool IsLevelSetName(std::string_view path);
bool IsQvName(std::string_view path);
bool IsTsnName(std::string_view path);

}  // namespace tsn
