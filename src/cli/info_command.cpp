// tessarin-cli info: what every level of the given level files holds.
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "files/level_file_summary.h"

namespace tsn::cli {

namespace {

// Title and signature bytes as printable text: control and non-ASCII bytes as \xNN.
std::string Printable(const std::string& text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b >= 0x20 && b < 0x7F) {
            out += c;
        } else {
            char buf[8];
            std::snprintf(buf, sizeof buf, "\\x%02X", b);
            out += buf;
        }
    }
    return out;
}

void PrintSignature(const std::string& sig) {
    std::printf("    signature:\n");
    size_t begin = 0;
    while (begin <= sig.size()) {
        size_t end = sig.find('\n', begin);
        if (end == std::string::npos) end = sig.size();
        std::string line = sig.substr(begin, end - begin);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        std::printf("      | %s\n", Printable(line).c_str());
        begin = end + 1;
    }
}

void PrintLevel(const LevelSummary& l) {
    const LevelInfo& i = l.info;
    std::printf("  level %03d: \"%s\"\n", l.number, Printable(i.title()).c_str());
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
    std::printf("    demo: %d frames, random seed %u\n", l.demoFrames, i.randomSeed());
    if (l.hasSignature) PrintSignature(l.signature);
    else std::printf("    signature: none\n");
}

const char* KindName(LevelFileKind k) {
    switch (k) {
        case LevelFileKind::kLevelSet: return "level set";
        case LevelFileKind::kQv: return "single level with demo block";
        case LevelFileKind::kTsn: return "level container";
    }
    return "";
}

}  // namespace

int Info(const Args& args) {
    if (args.empty()) {
        std::fputs("usage: tessarin-cli info FILE...\n", stderr);
        return 2;
    }
    for (const auto& a : args) {
        if (!a.empty() && a[0] == '-') {
            std::fprintf(stderr, "tessarin-cli info: unknown option '%s'\n", a.c_str());
            std::fputs("usage: tessarin-cli info FILE...\n", stderr);
            return 2;
        }
    }
    int status = 0;
    for (const auto& path : args) {
        const auto summary = SummarizeLevelFile(path);
        if (!summary) {
            std::fflush(stdout);
            std::fprintf(stderr, "%s: %s\n", path.c_str(), summary.error().Text().c_str());
            status = 1;
            continue;
        }
        std::printf("%s: %s", path.c_str(), KindName(summary->kind));
        if (summary->kind == LevelFileKind::kTsn) std::printf(" version %d", summary->version);
        std::printf(", %zu level%s\n", summary->levels.size(), summary->levels.size() == 1 ? "" : "s");
        for (const auto& level : summary->levels) {
            if (level.error) {
                std::printf("  level %03d: unreadable: %s\n", level.number,
                            level.error->description.c_str());
                status = 1;
                continue;
            }
            PrintLevel(level);
        }
    }
    return status;
}

}  // namespace tsn::cli
