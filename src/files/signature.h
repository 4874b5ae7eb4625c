#pragma once
// The signature text stored behind a demo: bytes other than 255 between the 255 that ends the
// demo keys and a final 255.
#include <cstdint>
#include <optional>
#include <string>

#include "files/byte_source.h"

namespace tsn {

// Searches [begin, end) of the source backwards: bytes up to the last 255 are skipped, the
// bytes before it up to the next 255 are the signature (in file order). No signature when the
// range holds fewer than two 255 bytes. Works on ranges of any length; a failing read yields
// no signature. Reads in blocks; never holds more than the range.
struct SignatureSearch {
    bool found = false;
    std::string text;
    bool readError = false;
};
SignatureSearch FindSignature(ByteSource& src, int64_t begin, int64_t end);

// What the signature of a freshly recorded demo is made of. The caller supplies the date and
// time text (the system's short date and long time) and the program version "major.minor.rev",
// so the text is the same in every test.
struct SignatureParts {
    std::string mySignature;  // the player's own signature; empty for the default text
    std::string dateTime;
    std::string version;
};

inline constexpr const char* kForumAddress = "https://tessarin.example/forum";

// The player's signature + "\r\n" + date/time + " - " + version, or, without one, the
// program's default text naming the version and the forum address.
std::string ComposeSignature(const SignatureParts& parts);

}  // namespace tsn
