#include "editor/editor_coding.h"

#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "files/level_record.h"
#include "files/read_level.h"
#include "files/tsn_file.h"

namespace tsn {

void ToEditorCoding(std::vector<uint8_t>& field) { RestoreEditorCodes(field); }

void ToGameCoding(std::vector<uint8_t>& field) {
    for (auto& b : field) b = GameCode(b);
}

FileStatus EnterEditorLevel(GameState& s, const std::string& workFile, const SaveOptions& options) {
    if (!s.LevelLoaded) return FileError{"EnterEditorLevel", 0, "No level is loaded"};
    const bool wasActive = s.EditorActive;
    const std::string oldWorkFile = s.EditorWorkFile;
    s.EditorActive = true;
    s.EditorWorkFile = workFile;
    FileStatus st = SaveTSN(s, workFile, true, false, options);
    if (st) st = ReadLevel(s, "");
    if (!st) {
        s.EditorActive = wasActive;
        s.EditorWorkFile = oldWorkFile;
        return st;
    }
    ToEditorCoding(s.FieldBytes);
    return {};
}

FileStatus BeginTestPlay(GameState& s, const SaveOptions& options) {
    ToGameCoding(s.FieldBytes);
    s.PlayFromEditor = -1;
    FileStatus st = SaveTSN(s, s.EditorWorkFile, true, false, options);
    if (!st) {
        s.PlayFromEditor = 0;
        ToEditorCoding(s.FieldBytes);
    }
    return st;
}

FileStatus EndTestPlay(GameState& s) {
    FileStatus st = ReadLevel(s, "");
    s.PlayFromEditor = 0;
    ToEditorCoding(s.FieldBytes);
    return st;
}

FileStatus LeaveEditorLevel(GameState& s) {
    s.EditorActive = false;
    ToGameCoding(s.FieldBytes);
    return ReadLevel(s, "");
}

}  // namespace tsn
