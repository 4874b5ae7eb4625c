#pragma once
// Text from files and file names made safe to print on a terminal.
#include <string>

#include "files/file_error.h"

namespace tsn::cli {

// Titles and signatures (8-bit text of the levels' code page): every byte outside printable
// ASCII as \xNN.
std::string PrintableText(const std::string& text);

// Paths and messages naming paths: control characters (C0, DEL and the C1 range) and bytes
// that are not UTF-8 as \xNN; every other character, a backslash included, as it is, so an
// ordinary path prints unchanged.
std::string PrintablePath(const std::string& text);

// The error's text with its description made printable.
std::string PrintableError(const FileError& e);

// "PATH: error" on stderr, after what stdout already holds, so the two streams stay in order.
void ReportFileError(const std::string& path, const FileError& e);

}  // namespace tsn::cli
