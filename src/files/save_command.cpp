#include "files/save_command.h"

#include <algorithm>
#include <cctype>
#include <cstdio>

#include "engine/game_state.h"
#include "files/path_names.h"

namespace tsn {

std::string SaveCommandFile(const GameState& s, const std::string& tempLevelFile,
                            const std::string& levelSetFile) {
    if (!tempLevelFile.empty() && s.CurrentLevelFile == tempLevelFile) return levelSetFile;
    return s.CurrentLevelFile;
}

bool SaveActsAsSaveAs(const std::string& file) {
    const std::string name = FileNameOf(file);
    return WildcardMatch(name, "*.dat") || WildcardMatch(name, "*.d??") ||
           WildcardMatch(name, "*.qv") || name == "Untitled" || !FileExists(file);
}

std::string SaveDialogFilter(bool nonStandardLevel) {
    return nonStandardLevel ? "Tessarin Level (*.tsn)|*.tsn"
                            : "Tessarin Level (*.tsn)|*.tsn|Velnorix Demo (*.qv)|*.qv";
}

std::string ProposedSaveName(const std::string& currentLevelFile, bool levelFromSet,
                             int levelNumber) {
    if (levelFromSet) {
        char buf[16];
        std::snprintf(buf, sizeof buf, "Level%03d", levelNumber);
        return buf;
    }
    return NameWithoutExtension(currentLevelFile);
}

SaveTarget ChooseSaveTarget(const std::string& name, bool nonStandardLevel) {
    const std::string file = FileNameOf(name);
    if (WildcardMatch(file, "*.qv")) return nonStandardLevel ? SaveTarget::kQvRefused : SaveTarget::kQv;
    if (WildcardMatch(file, "*.tsn")) return SaveTarget::kTsn;
    return SaveTarget::kNothing;
}

CollectionName NormalizeCollectionName(const std::string& chosen) {
    CollectionName r;
    const std::string folder = FolderOf(chosen);
    std::string file = ToLower(FileNameOf(chosen));
    const auto first = file.find('.');
    if (first != std::string::npos && file.find('.', first + 1) != std::string::npos) {
        file = file.substr(0, std::min(file.size(), first + 4));
    }
    r.name = folder.empty() ? file : folder + "/" + file;
    const std::string ext = ExtensionOf(file);
    // "d" and two digits: the form every reader of level sets recognises.
    const bool numbered = ext.size() == 3 && ext[0] == 'd' &&
                          std::isdigit(static_cast<unsigned char>(ext[1])) &&
                          std::isdigit(static_cast<unsigned char>(ext[2]));
    if (ext == "dat" || numbered) {
        r.accepted = true;
    } else if (!ext.empty() && ext[0] == 'd') {
        r.message = "File extension is invalid. Please try again";
    } else {
        r.message = "File name is invalid. Please try again";
    }
    return r;
}

}  // namespace tsn
