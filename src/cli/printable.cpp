#include "cli/printable.h"

#include <cstdio>

namespace tsn::cli {

namespace {

std::string Escaped(unsigned char b) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "\\x%02X", b);
    return buf;
}

// Length of the well-formed UTF-8 sequence starting at text[i], 0 when there is none.
size_t Utf8Length(const std::string& text, size_t i) {
    const auto b = static_cast<unsigned char>(text[i]);
    size_t n = 0;
    uint32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) { n = 2; cp = b & 0x1Fu; }
    else if (b >= 0xE0 && b <= 0xEF) { n = 3; cp = b & 0x0Fu; }
    else if (b >= 0xF0 && b <= 0xF4) { n = 4; cp = b & 0x07u; }
    else return 0;
    if (i + n > text.size()) return 0;
    for (size_t k = 1; k < n; ++k) {
        const auto c = static_cast<unsigned char>(text[i + k]);
        if ((c & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (c & 0x3Fu);
    }
    const bool overlong = (n == 3 && cp < 0x800) || (n == 4 && cp < 0x10000);
    const bool invalid = cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF);
    const bool c1Control = cp >= 0x80 && cp <= 0x9F;
    return overlong || invalid || c1Control ? 0 : n;
}

}  // namespace

std::string PrintableText(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) out += c;
        else out += Escaped(b);
    }
    return out;
}

std::string PrintablePath(const std::string& text) {
    std::string out;
    for (size_t i = 0; i < text.size();) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b >= 0x20 && b < 0x7F) {
            out += text[i++];
        } else if (const size_t n = b >= 0x80 ? Utf8Length(text, i) : 0; n > 0) {
            out.append(text, i, n);
            i += n;
        } else {
            out += Escaped(b);
            ++i;
        }
    }
    return out;
}

std::string PrintableError(const FileError& e) {
    return FileError{e.procedure, e.step, PrintablePath(e.description)}.Text();
}

void ReportFileError(const std::string& path, const FileError& e) {
    std::fflush(stdout);
    std::fprintf(stderr, "%s: %s\n", PrintablePath(path).c_str(), PrintableError(e).c_str());
}

}  // namespace tsn::cli
