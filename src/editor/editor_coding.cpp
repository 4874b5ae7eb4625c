#include "editor/editor_coding.h"

#include "engine/element_codes.h"
#include "engine/game_state.h"
#include "files/level_record.h"
#include "files/level_source.h"
#include "files/read_level.h"
#include "files/tsn_file.h"

namespace tsn {

void ToEditorCoding(std::vector<uint8_t>& field) { RestoreEditorCodes(field); }

void ToGameCoding(std::vector<uint8_t>& field) {
    for (auto& b : field) b = GameCode(b);
}

namespace {
// The editor's own saves: a demo that came with the level is kept without asking.
SaveOptions HandOver(const SaveOptions& options) {
    SaveOptions o = options;
    o.editorHandOver = true;
    return o;
}
}  // namespace

FileStatus EnterEditorLevel(GameState& s, LevelSource& source, const std::string& workFile,
                            const SaveOptions& options) {
    if (!s.LevelLoaded) return FileError{"EnterEditorLevel", 0, "No level is loaded"};
    const bool wasActive = source.EditorActive;
    const std::string oldWorkFile = source.EditorWorkFile;
    source.EditorActive = true;
    source.EditorWorkFile = workFile;
    FileStatus st = SaveTSN(s, workFile, true, false, HandOver(options));
    if (st) st = ReadLevel(s, source, "");
    if (!st) {
        source.EditorActive = wasActive;
        source.EditorWorkFile = oldWorkFile;
        return st;
    }
    ToEditorCoding(s.FieldBytes);
    return {};
}

FileStatus BeginTestPlay(GameState& s, const LevelSource& source, const SaveOptions& options) {
    ToGameCoding(s.FieldBytes);
    FileStatus st = SaveTSN(s, source.EditorWorkFile, true, false, HandOver(options));
    if (!st) ToEditorCoding(s.FieldBytes);
    return st;
}

FileStatus EndTestPlay(GameState& s, LevelSource& source) {
    FileStatus st = ReadLevel(s, source, "");
    ToEditorCoding(s.FieldBytes);
    return st;
}

FileStatus LeaveEditorLevel(GameState& s, LevelSource& source) {
    source.EditorActive = false;
    ToGameCoding(s.FieldBytes);
    return ReadLevel(s, source, "");
}

}  // namespace tsn
