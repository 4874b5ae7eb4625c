#pragma once
// Save options for the files tests write: a fixed signature and date, no questions asked.
#include <string>

#include "files/demo_block.h"

namespace tsn::test {

inline SaveOptions TestSaveOptions(const std::string& signature, const std::string& dateTime = "today") {
    SaveOptions o;
    o.signature.mySignature = signature;
    o.signature.dateTime = dateTime;
    o.signature.version = "1.0.0";
    return o;
}

}  // namespace tsn::test
