#pragma once
// Why a level file cannot be opened now: a run (a game or a demo being replayed) is under way.
#include "app/game_session.h"

namespace tsn {

inline constexpr const char* kOpenRefusedTitle = "Not possible open file";

// Null when a file may be opened; else the refusal's text. A run counts from the get-ready bar
// to the end of its last frame.
inline const char* OpenRefusal(GameSession::Phase phase, bool demoPlayback) {
    if (phase == GameSession::Phase::Idle || phase == GameSession::Phase::Halted) return nullptr;
    return demoPlayback ? "In demo mode! Please stop it first."
                        : "In playing mode! Please stop it first.";
}

}  // namespace tsn
