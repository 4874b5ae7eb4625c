#pragma once
// The demo block written behind a level record: the first byte, the key bytes, 255, and an
// optional signature closed by another 255.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "files/signature.h"

namespace tsn {

struct GameState;

inline constexpr const char* kQuestionSaveWithoutDemo =
    "The level you want to save has a demo. Do you want to save the level whithout it?";
inline constexpr const char* kQuestionSaveWithSignature = "Do you want to save with your signature?";

// How a save answers its questions and composes a new signature. The callbacks return true for
// "Yes"; a missing callback answers so that nothing is lost ("No" to saving without the demo,
// "No" to replacing the signature that came with it).
struct SaveOptions {
    std::function<bool()> saveWithoutDemo;      // kQuestionSaveWithoutDemo
    std::function<bool()> saveWithMySignature;  // kQuestionSaveWithSignature
    SignatureParts signature;
    // The editor is active: a container keeps a demo that came with the level without asking.
    bool editorHandOver = false;
    // Quick save was used in the run: the info block records the number of loads.
    bool quickSaveUsed = false;
};

// The demo block for saving the current level:
// - a demo recorded since the level was loaded: DemoFirstByte, its keys, 255, a new signature
//   and 255;
// - otherwise a demo that came with the level, unless the user saves without it: DemoFirstByte,
//   the loaded keys (the first is always written, the rest up to the first 255), 255, and the
//   chosen signature with 255 when it is not empty. With `keepLoadedDemoQuietly` (the editor
//   hands its level over) no question is asked and the loaded signature is kept;
// - otherwise nothing.
// Bytes 255 inside a signature would end it early; they are left out.
std::vector<uint8_t> BuildDemoPart(const GameState& s, const SaveOptions& options,
                                   bool keepLoadedDemoQuietly);

}  // namespace tsn
