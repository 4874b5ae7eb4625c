#include "cli/player_info.h"

#include <cstdio>

#include "cli/printable.h"
#include "files/byte_source.h"
#include "files/player_file.h"
#include "files/sec_to_time.h"

namespace tsn::cli {
namespace {

const char* StateWord(uint8_t state) {
    switch (state) {
        case kNotPlayed: return "not played";
        case kSolved: return "solved";
        case kSkipped: return "skipped";
    }
    return "unknown state";
}

bool HasProgress(const LevelProgressEntry& e) {
    return e.state != kNotPlayed || e.playTime != 0 || e.runs != 0 || e.steps != 0 ||
           e.bestSteps != 0;
}

}  // namespace

bool IsPlayerFile(const std::string& path) {
    FileSource src;
    uint8_t head[7] = {};
    return src.Open(path) && src.Read(0, sizeof head, head) && HasPlayerMagic(head);
}

bool PrintPlayerFile(const std::string& path) {
    const auto r = LoadPlayerFile(path);
    if (!r) {
        ReportFileError(path, r.error());
        return false;
    }
    std::printf("%s: player file\n", PrintablePath(path).c_str());
    std::printf("  player: \"%s\"\n", PrintableText(TrimField(r->name)).c_str());
    std::printf("  e-mail: \"%s\"\n", PrintableText(TrimField(r->email)).c_str());
    std::printf("  level digest: %s\n", PrintableText(r->digest).c_str());
    std::printf("  all levels completed: %s\n", r->allLevelsCompleted != 0 ? "yes" : "no");
    std::printf("  total play time: %s\n", SecToTime(r->TotalPlayTime() / 1000).text.c_str());
    for (size_t i = 0; i < r->progress.size(); ++i) {
        const LevelProgressEntry& e = r->progress[i];
        if (!HasProgress(e)) continue;
        std::printf("  level %03zu: %s, %d run%s, %d steps, best %d steps, play time %s\n", i + 1,
                    StateWord(e.state), e.runs, e.runs == 1 ? "" : "s", e.steps, e.bestSteps,
                    SecToTime(e.playTime / 1000).text.c_str());
    }
    return true;
}

}  // namespace tsn::cli
