#pragma once
// The rules of the level-header values the editor sets.
#include <string>

namespace tsn {

// A typed title: trimmed, then cut to 23 characters or padded with blanks to 23.
std::string EditorTitle(const std::string& typed);

// Infotrons needed as stored: the typed number clamped to 0 .. 255.
int ClampInfotronsNeeded(int typed);

// Infotrons needed with "All": every Infotron and Electron, at most 255.
int AllInfotronsNeeded(int infotronsAndElectrons);

}  // namespace tsn
