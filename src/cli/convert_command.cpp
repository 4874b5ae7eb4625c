// tessarin-cli convert: a level from one kind of level file into another, through the same
// writers and the same safe writer as the game's saves.
#include <cctype>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/printable.h"
#include "cli/usage.h"
#include "engine/game_state.h"
#include "files/level_set_file.h"
#include "files/level_source.h"
#include "files/qv_file.h"
#include "files/read_level.h"
#include "files/safe_write.h"
#include "files/tsn_file.h"

namespace tsn::cli {

namespace {

enum class Kind { kQv, kTsn, kSet, kUnknown };

struct ConvertArgs {
    std::string in;
    std::string out;
    int level = 1;
    bool clean = false;
};

bool ParseArgs(const Args& args, ConvertArgs& c) {
    int files = 0;  // IN, then OUT
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        long long n = 0;
        if (!options || a.empty() || a[0] != '-' || a == "-") {
            if (files == 0) c.in = a;
            if (files == 1) c.out = a;
            ++files;
        } else if (a == "--") {
            options = false;
        } else if (a == "--clean") {
            c.clean = true;
        } else if (a == "--level" && i + 1 < args.size() && ParseNumber(args[i + 1], 1, 255, n)) {
            c.level = static_cast<int>(n);
            ++i;
        } else {
            return false;
        }
    }
    return files == 2;
}

// The kind of a level file by its name, as the game tells them apart.
Kind KindOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return Kind::kUnknown;
    std::string ext = path.substr(dot + 1);
    for (char& ch : ext) ch = static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    if (ext == "qv") return Kind::kQv;
    if (ext == "tsn") return Kind::kTsn;
    const bool numbered = ext.size() == 3 && ext[0] == 'd' && std::isdigit(static_cast<unsigned char>(ext[1])) &&
                          std::isdigit(static_cast<unsigned char>(ext[2]));
    return ext == "dat" || numbered ? Kind::kSet : Kind::kUnknown;
}

int Refuse(const std::string& text) {
    std::fprintf(stderr, "tessarin-cli convert: %s\n", text.c_str());
    return 1;
}

// A level may go into a set only as a standard level without a demo.
std::string SetRefusal(const GameState& s, bool clean) {
    if (s.FieldWidth != kStandardWidth || s.FieldHeight != kStandardHeight)
        return "the level is " + std::to_string(s.FieldWidth) + " x " + std::to_string(s.FieldHeight) +
               "; a level set holds only 60 x 24 levels";
    if (s.LevelHasDemo && !clean)
        return "the level has a demo and a level set holds none; --clean converts the level without it";
    return {};
}

FileResult<std::vector<uint8_t>> TargetBytes(const GameState& s, const ConvertArgs& c, Kind kind) {
    const SaveOptions keepEverything;  // no questions: the demo and its signature travel
    switch (kind) {
        case Kind::kQv: {
            auto built = BuildQV(s, c.clean, keepEverything);
            if (!built) return built.error();
            return std::move(built->bytes);
        }
        case Kind::kTsn: {
            auto built = BuildTSN(s, c.clean, keepEverything);
            if (!built) return built.error();
            return std::move(built->bytes);
        }
        case Kind::kSet: {
            FileSource set;
            if (!set.Open(c.out))
                return FileError{"SaveLevelSetLevel", 0,
                                 "the level set cannot be opened (" + set.LastError() +
                                     "); a level can only replace a level of an existing set"};
            return BuildLevelSetWithLevel(set, c.level, s, keepEverything);
        }
        case Kind::kUnknown:
            break;
    }
    return FileError{"Convert", 0, "unknown kind of file"};
}

}  // namespace

int Convert(const Args& args) {
    ConvertArgs c;
    if (!ParseArgs(args, c)) return UsageError("convert");
    const Kind target = KindOf(c.out);
    if (target == Kind::kUnknown)
        return Refuse(PrintablePath(c.out) + ": the name does not tell the kind of file (.qv, .tsn, .dat or .d00 to .d99)");
    GameState s;
    s.CurrentLevelFile = c.in;
    s.CurrentLevelNumber = static_cast<uint8_t>(c.level);  // only a set has more than one
    LevelSource source;  // only the named file
    if (const FileStatus read = ReadLevel(s, source, c.in); !read) return Refuse(PrintableError(read.error()));
    const std::string name = PrintablePath(c.in);
    if (target == Kind::kQv && (s.FieldWidth != kStandardWidth || s.FieldHeight != kStandardHeight))
        return Refuse(name + ": the level is " + std::to_string(s.FieldWidth) + " x " +
                      std::to_string(s.FieldHeight) + "; a .qv file holds only 60 x 24 levels (convert it to .tsn)");
    if (target == Kind::kSet) {
        if (const std::string why = SetRefusal(s, c.clean); !why.empty()) return Refuse(name + ": " + why);
    }
    const auto bytes = TargetBytes(s, c, target);
    if (!bytes) return Refuse(PrintablePath(c.out) + ": " + PrintablePath(bytes.error().description));
    if (const FileStatus written = WriteFileSafely(c.out, *bytes, "Convert"); !written)
        return Refuse(PrintableError(written.error()));
    return 0;
}

}  // namespace tsn::cli
