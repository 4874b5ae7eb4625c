#pragma once
// Where the next level read comes from besides the current level file. The host keeps it: the
// window records the last run's file, the folder verification its running file and the editor
// its working copy; ReadLevel (files/read_level.h) chooses among them.
#include <string>

namespace tsn {

struct LevelSource {
    std::string LastRunFile;     // level and demo of the last finished run; empty when none
    std::string DemoFolderFile;  // file of the running folder verification; empty otherwise
    std::string EditorWorkFile;  // the editor's working copy of its level
    bool EditorActive = false;
    bool ReloadFromLevelFile = false;  // the next read takes the level file, even in the editor
};

}  // namespace tsn
