// tessarin-cli trace: one line of engine state per frame, for finding where two runs part.
#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <string>

#include "cli/commands.h"
#include "cli/printable.h"
#include "cli/usage.h"
#include "cli/run_options.h"
#include "cli/same_file.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "engine/trace_line.h"
#include "files/level_digest.h"
#include "files/saved_game.h"
#include "files/saved_game_file.h"

namespace tsn::cli {

namespace {


struct TraceArgs {
    std::string file;
    RunOptions run;
    long long maxFrames = 200000;
    long long saveAt = -1;
    std::string saveFile;
    std::string resumeFile;
};

bool ParseArgs(const Args& args, TraceArgs& t) {
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || a == "--") {
            if (options) options = false;
            else if (t.file.empty()) t.file = a;
            else return false;
            continue;
        }
        auto value = [&](std::string& out) {
            if (i + 1 >= args.size()) return false;
            out = args[++i];
            return true;
        };
        const OptionUse use = TakeRunOption(args, i, t.run);
        if (use == OptionUse::kBad) return false;
        if (use == OptionUse::kTaken) continue;
        std::string v;
        long long n = 0;
        if (a == "--save-at") {
            if (!value(v) || !ParseNumber(v, 0, INT64_MAX / kFixedOne, n) || !value(t.saveFile))
                return false;
            t.saveAt = n;
        } else if (a == "--resume") {
            if (!value(t.resumeFile)) return false;
        } else if (a == "--frames") {
            if (!value(v) || !ParseNumber(v, 0, INT64_MAX / kFixedOne, n)) return false;
            t.maxFrames = n;
        } else if (!a.empty() && a[0] == '-') {
            return false;
        } else if (t.file.empty()) {
            t.file = a;
        } else {
            return false;
        }
    }
    if (!RunOptionsAgree(t.run)) return false;
    if (!t.resumeFile.empty() && t.run.seedGiven) return false;
    return !t.file.empty();
}

bool Resume(GameState& s, const TraceArgs& t, const std::string& digest) {
    const auto fail = [&t](const std::string& why) {
        std::fprintf(stderr, "tessarin-cli trace: %s: %s\n", PrintablePath(t.resumeFile).c_str(),
                     why.c_str());
        return false;
    };
    const auto data = ReadSavedGameFile(t.resumeFile);
    if (!data) return fail(data.error().description);
    const SavedGameRefusal refusal = LoadSavedGame(s, *data, digest);
    if (refusal != SavedGameRefusal::None) return fail(SavedGameRefusalText(refusal));
    s.SavedGameLoads = static_cast<uint8_t>(s.SavedGameLoads + 1);
    if ((s.DemoPlayback == 1) != t.run.demo)
        return fail(t.run.demo ? "the saved game was not made during demo playback"
                           : "the saved game was made during demo playback (use --demo)");
    return true;
}

bool SaveAt(const GameState& s, const std::string& out, const std::string& digest) {
    const FileStatus written = WriteSavedGameFile(out, s, digest);
    if (written) return true;
    std::fprintf(stderr, "tessarin-cli trace: %s\n", PrintableError(written.error()).c_str());
    return false;
}

}  // namespace

int Trace(const Args& args) {
    TraceArgs t;
    if (!ParseArgs(args, t)) return UsageError("trace");
    if (t.saveAt >= 0 && !InputNamedBy(t.saveFile, {t.file}).empty()) {
        std::fprintf(stderr, "tessarin-cli trace: %s is the level file; choose another name for the saved game\n",
                     PrintablePath(t.saveFile).c_str());
        return 1;
    }
    GameState s;
    if (const std::string why = PrepareOptionsRun(s, t.file, t.run, t.run.level, false); !why.empty()) {
        std::fprintf(stderr, "tessarin-cli trace: %s\n", why.c_str());
        return 1;
    }
    BeginRun(s);

    std::string digest;
    if (!t.resumeFile.empty() || t.saveAt >= 0) {
        auto d = DigestFileToHexStr(t.file);
        if (!d) {
            std::fprintf(stderr, "tessarin-cli trace: %s\n", PrintableError(d.error()).c_str());
            return 1;
        }
        digest = *d;
    }
    if (!t.resumeFile.empty() && !Resume(s, t, digest)) return 1;

    std::printf("# frame murphy input infotrons reddisks seed solved leadout steps fieldhash\n");
    // Actions are numbered by the frame counter, so a resumed run takes the same ones.
    const int64_t firstFrame = s.Frames();
    const auto actions = [&t, firstFrame](int64_t frame) { return ActionAt(t.run, firstFrame + frame); };
    bool saveFailed = false;
    const auto afterFrame = [&](const GameState& g) {
        std::printf("%s\n", TraceLine(g).c_str());
        if (g.Frames() == t.saveAt && !SaveAt(g, t.saveFile, digest)) saveFailed = true;
    };
    if (s.Frames() == t.saveAt && !SaveAt(s, t.saveFile, digest)) return 1;
    const auto r = RunHeadless(s, actions, std::max<int64_t>(0, t.maxFrames - firstFrame), afterFrame);
    if (saveFailed) return 1;
    if (t.saveAt > r.frames) {
        std::fprintf(stderr, "tessarin-cli trace: the run ended before frame %lld\n", t.saveAt);
        return 1;
    }
    std::printf("end frames=%" PRId64 " solved=%d steps=%d\n", r.frames, r.solved ? 1 : 0, r.steps);
    return 0;
}

}  // namespace tsn::cli
