#pragma once
// The editor's coding of the field bytes and the hand-over of the edited level between the
// editor and the game.
//
// While the editor is active a Bug (25) is held as 76 and "Wall Space" (40) as 41, so that the
// editor draws them with their own pictures; files and runs always see the plain codes. The
// crossings below are the only places where the coding changes.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/element_codes.h"
#include "files/demo_block.h"
#include "files/file_error.h"

namespace tsn {

struct GameState;
struct LevelSource;

// A whole field converted in place, code by code (EditorCode and GameCode of element_codes.h).
void ToEditorCoding(std::vector<uint8_t>& field);
void ToGameCoding(std::vector<uint8_t>& field);

// Entering the editor: marks the editor active in the level source with `workFile` as its
// working file, writes the current level there as a one-level container (demo kept, nothing
// asked) and reads it back, then converts the field to the editor coding. Refused without a
// loaded level; a failure leaves the editor as it was and the level unchanged.
FileStatus EnterEditorLevel(GameState& s, LevelSource& source, const std::string& workFile,
                            const SaveOptions& options);

// A test game from the editor: the field goes back to the plain codes and the level is written
// to the working file, from which the run reads it (the host marks its run as a test game
// while it lasts). On failure the field is in the editor coding again.
FileStatus BeginTestPlay(GameState& s, const LevelSource& source, const SaveOptions& options);
// After the test game: the edited level is read back from the working file and converted to
// the editor coding again.
FileStatus EndTestPlay(GameState& s, LevelSource& source);

// Leaving the editor (after any save the user chose): the editor is marked inactive, the field
// goes back to the plain codes and the level is read again from the level file, which drops
// the edits that were not saved.
FileStatus LeaveEditorLevel(GameState& s, LevelSource& source);

}  // namespace tsn
