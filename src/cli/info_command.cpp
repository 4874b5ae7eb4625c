// tessarin-cli info: what every level of the given level files holds, the progress a player
// file records, and what a saved game was saved from.
#include <cinttypes>
#include <cstdio>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "cli/commands.h"
#include "cli/player_info.h"
#include "cli/printable.h"
#include "cli/usage.h"
#include "files/byte_source.h"
#include "files/level_file_summary.h"
#include "files/saved_game.h"

namespace tsn::cli {

namespace {

void PrintSignature(const std::string& sig) {
    std::printf("    signature:\n");
    size_t begin = 0;
    while (begin <= sig.size()) {
        size_t end = sig.find('\n', begin);
        if (end == std::string::npos) end = sig.size();
        std::string line = sig.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::printf("      | %s\n", PrintableText(line).c_str());
        begin = end + 1;
    }
}

void PrintLevel(const LevelSummary& l) {
    const LevelInfo& i = l.info;
    std::printf("  level %03d: \"%s\"\n", l.number, PrintableText(i.title()).c_str());
    std::printf("    size %d x %d, gravity %s (%d), frozen Zonks %s (%d), Infotrons needed %d%s\n",
                l.width, l.height, i.gravity() ? "on" : "off", i.gravity(),
                i.frozenZonks() == 2 ? "yes" : "no", i.frozenZonks(), i.infotronsNeeded(),
                i.infotronsNeeded() == 0 ? " (all in the field)" : "");
    const int ports = i.specialPortCount() > kMaxSpecialPorts ? kMaxSpecialPorts : i.specialPortCount();
    std::printf("    special ports: %d", i.specialPortCount());
    if (i.specialPortCount() > kMaxSpecialPorts) std::printf(" (only %d are used)", kMaxSpecialPorts);
    std::printf("\n");
    for (int p = 0; p < ports; ++p) {
        const auto port = i.specialPort(p);
        const int cell = port.cell();
        std::printf("      port %d: cell %d (column %d, row %d), gravity %d, frozen Zonks %d, "
                    "frozen enemies %d%s\n",
                    p + 1, cell, cell % l.width, cell / l.width, port.gravity, port.frozenZonks,
                    port.frozenEnemies, cell < 0 || cell >= l.width * l.height ? " (outside the field)" : "");
    }
    if (!l.hasDemo) {
        std::printf("    demo: none\n");
        return;
    }
    std::printf("    demo: %" PRId64 " frames, random seed %u\n", l.demoFrames, i.randomSeed());
    if (l.hasSignature) PrintSignature(l.signature);
    else std::printf("    signature: none\n");
}

const char* KindName(const LevelFileSummary& summary) {
    switch (summary.kind) {
        case LevelFileKind::kLevelSet: return "level set";
        case LevelFileKind::kQv:
            return summary.levels.at(0).hasDemo ? "single level with demo block"
                                                 : "single level without demo";
        case LevelFileKind::kTsn: return "level container";
    }
    return "";
}


// The files named; "--" ends the options, so that a name may begin with "-".
bool ParseArgs(const Args& args, std::vector<std::string>& files) {
    bool options = true;
    for (const auto& a : args) {
        if (options && a == "--") {
            options = false;
        } else if (options && !a.empty() && a[0] == '-') {
            std::fprintf(stderr, "tessarin-cli info: unknown option '%s'\n", PrintablePath(a).c_str());
            return false;
        } else {
            files.push_back(a);
        }
    }
    return !files.empty();
}

FileResult<LevelFileSummary> Summary(const std::string& path) {
    try {
        return SummarizeLevelFile(path);
    } catch (const std::bad_alloc&) {
        return FileError{"SummarizeLevelFile", 0, "Not enough memory to read the file"};
    }
}

// A saved game (known by its magic): what it was saved from and whether it is intact. Returns
// nothing when the file is not a saved game, else whether it could be read and is intact.
std::optional<bool> PrintSavedGame(const std::string& path) {
    FileSource src;
    uint8_t magic[kSavedGameMagicLength] = {};
    if (!src.Open(path) || !src.Read(0, sizeof magic, magic) ||
        std::string(magic, magic + sizeof magic) != kSavedGameMagic)
        return std::nullopt;
    std::vector<uint8_t> data(static_cast<size_t>(src.Size()));
    SavedGameSummary s;
    if (!src.Read(0, data.size(), data.data()) || !SummarizeSavedGame(data, s)) {
        std::fflush(stdout);
        std::fprintf(stderr, "%s: The saved file is corrupt!\n", PrintablePath(path).c_str());
        return false;
    }
    std::printf("%s: saved game\n", PrintablePath(path).c_str());
    std::printf("  level file digest %s, level %03d\n", PrintableText(s.digest).c_str(), s.levelNumber);
    std::printf("  frame %" PRId64 ", Murphy at cell %d, Infotrons needed %d, demo %" PRId64 " bytes\n",
                s.frames, s.murphyCell, s.infotronsNeeded, s.demoBytes);
    std::printf("  check value: %s\n", s.checkValueHolds ? "holds" : "does not hold");
    return s.checkValueHolds;
}

// Prints one file's levels; false when the file or one of its levels could not be read.
bool PrintFile(const std::string& path) {
    if (IsPlayerFile(path)) return PrintPlayerFile(path);
    if (const auto saved = PrintSavedGame(path)) return *saved;
    const auto summary = Summary(path);
    if (!summary) {
        ReportFileError(path, summary.error());
        return false;
    }
    bool ok = true;
    std::printf("%s: %s", PrintablePath(path).c_str(), KindName(*summary));
    if (summary->kind == LevelFileKind::kTsn) std::printf(" version %d", summary->version);
    std::printf(", %zu level%s\n", summary->levels.size(), summary->levels.size() == 1 ? "" : "s");
    for (const auto& level : summary->levels) {
        if (level.error) {
            std::printf("  level %03d: unreadable: %s\n", level.number,
                        PrintablePath(level.error->description).c_str());
            ok = false;
            continue;
        }
        PrintLevel(level);
    }
    return ok;
}

}  // namespace

int Info(const Args& args) {
    std::vector<std::string> files;
    if (!ParseArgs(args, files)) return UsageError("info");
    int status = 0;
    for (const auto& path : files)
        if (!PrintFile(path)) status = 1;
    return status;
}

}  // namespace tsn::cli
