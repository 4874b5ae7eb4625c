#pragma once
// The default level set made from its sources: the level files of a folder (001.txt, 002.txt,
// ... numbered without gaps), the set file built from them and the solution demos.
#include <cstdint>
#include <string>
#include <vector>

#include "files/demo_block.h"
#include "level_source.h"

namespace tsn::levels {

// Reads NNN.txt for N = 1, 2, ... until the next number is missing. Throws SourceError naming
// the file on a fault, and when the folder holds a numbered file past a gap.
std::vector<LevelSource> LoadLevelSources(const std::string& folder);

// The set file's bytes: every level's record, in order.
std::vector<uint8_t> BuildLevelSet(const std::vector<LevelSource>& levels);

// The fixed signature of the committed solutions, so that rebuilding them gives the same bytes.
SaveOptions SolutionSaveOptions();

// The demo file name of level n: "007.qv".
std::string SolutionFileName(int n);

struct SolutionBuild {
    bool solved = false;
    int64_t frames = 0;
    std::string failure;
    std::vector<uint8_t> qv;  // the single-level file with the recorded demo
};

// Plays level n (1-based) of the set with its script and builds its demo file.
SolutionBuild BuildSolution(const std::vector<uint8_t>& set, const LevelSource& level, int n);

std::vector<uint8_t> ReadFileBytes(const std::string& path);
bool WriteFileBytes(const std::string& path, const std::vector<uint8_t>& bytes);

}  // namespace tsn::levels
