#pragma once
// Where the program's files live: the per-user data folder with its writable sub-folders, and
// the read-only data folder (sprite sheet, icons, sounds, the default level set).
#include <optional>
#include <string>

#include "files/file_error.h"

namespace tsn {

// Writable sub-folders of the user data folder.
inline constexpr const char* kPlayerFolder = "Player";
inline constexpr const char* kSavesFolder = "Saves";
inline constexpr const char* kTempFolder = "Temp";
inline constexpr const char* kCaptureFolder = "Capture";
inline constexpr const char* kLogsFolder = "Logs";
inline constexpr const char* kEditorWorkFileName = "tsnedit.tsn";

// $TESSARIN_HOME when set, else $XDG_DATA_HOME/tessarin, else ~/.local/share/tessarin.
// Not created here.
std::string UserDataFolder();

// A sub-folder of the user data folder (one of the names above), created with its parents
// when missing.
FileResult<std::string> UserSubFolder(const std::string& name);

// The editor's working file in the Temp sub-folder (the folder is created when missing).
FileResult<std::string> EditorWorkFilePath();

// The read-only data folder: `override` when given, else $TESSARIN_DATA when set, else the
// first existing of: "data" beside the executable, the executable's own folder when it holds
// the sprite sheet or the "levels" folder, "../share/tessarin" beside the executable, the
// installed share folder, and the source tree's data folder (runs from the build tree).
FileResult<std::string> FindDataFolder(const std::string& override = {});

// Finds `name` (which may hold "/"-separated sub-folders) inside `folder`, matching every
// component without regard to case. Returns the path as it exists on disk.
std::optional<std::string> FindFileNoCase(const std::string& folder, const std::string& name);

}  // namespace tsn
