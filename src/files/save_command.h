#pragma once
// The decisions of the save commands that need no dialog: which command a "Save" becomes,
// what the save dialog offers and proposes, which writer a chosen name goes to, and which
// names a new collection may have.
#include <string>

namespace tsn {

struct GameState;

// The level file a "Save" refers to: this run's temporary level file stands for the level-set
// file it was made from.
std::string SaveCommandFile(const GameState& s, const std::string& tempLevelFile,
                            const std::string& levelSetFile);

// True when "Save" must act as "Save as": the file is a level set ("*.dat", "*.d??"), a
// single-level file ("*.qv"), is named "Untitled" or does not exist. Level sets are never
// overwritten.
bool SaveActsAsSaveAs(const std::string& file);

// Filter of the save dialog: containers only for levels of a non-standard size.
std::string SaveDialogFilter(bool nonStandardLevel);

// The name proposed by the save dialog: the current file's name without folder and
// extension, or "Level" + the number as three digits for a level taken from a level set.
std::string ProposedSaveName(const std::string& currentLevelFile, bool levelFromSet,
                             int levelNumber);

enum class SaveTarget { kQv, kQvRefused, kTsn, kNothing };
// Where a name chosen in the save dialog goes: "*.qv" (refused for non-standard levels),
// "*.tsn", or nowhere.
SaveTarget ChooseSaveTarget(const std::string& name, bool nonStandardLevel);

inline constexpr const char* kQvRefusedText =
    "The level you want to save is a non-standard level(60x24)\r\nSave this level as .tsn";
inline constexpr const char* kQvRefusedTitle = "Can't save as Quorvane format(.qv)";

// The name of a new collection as typed: the file name is lower-cased and, when it has more
// than one ".", cut after the third character following the first "." (mylevels.dat.bak
// becomes mylevels.dat). The folder part is kept as it is.
struct CollectionName {
    bool accepted = false;
    std::string name;      // the normalised name
    std::string message;   // the refusal text when not accepted (title "Wrong filename")
};
CollectionName NormalizeCollectionName(const std::string& chosen);

inline constexpr const char* kCollectionFilter = "Tessarin Level Sets (*.dat;*.d*)|*.dat;*.d*";

}  // namespace tsn
