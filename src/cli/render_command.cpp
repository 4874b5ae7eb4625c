// tessarin-cli render: pictures of levels as the game draws them, one level or a whole set
// with a contact page.
#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <string>

#include "cli/commands.h"
#include "cli/contact_page.h"
#include "cli/printable.h"
#include "cli/run_options.h"
#include "cli/same_file.h"
#include "cli/usage.h"
#include "engine/game_state.h"
#include "engine/run.h"
#include "files/level_file_summary.h"
#include "files/paths.h"
#include "files/safe_write.h"
#include "presentation/level_picture.h"

namespace tsn::cli {

namespace {

// The largest picture made (512 MiB in memory): the largest level at zoom 8 would need 4 GiB.
constexpr double kMaxPicturePixels = 134217728.0;

struct RenderArgs {
    std::string file;
    RunOptions run;
    double zoom = 1.0;
    bool border = false;
    long long frame = -1;  // -1: the level as loaded, before any run
    bool all = false;
    std::string out;
};

// A zoom of 0.125 to 8 in steps of 1/8, so that every picture has whole pixels per cell.
bool ParseZoom(const std::string& text, double& out) {
    double z = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), z);
    if (ec != std::errc() || end != text.data() + text.size()) return false;
    const double eighths = z * 8;
    if (!(eighths >= 1 && eighths <= 64) || eighths != static_cast<double>(static_cast<int>(eighths)))
        return false;
    out = z;
    return true;
}

bool ParseArgs(const Args& args, RenderArgs& r) {
    bool options = true;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (!options || a == "--" || a.empty() || a[0] != '-' || a == "-") {
            if (options && a == "--") {
                options = false;
            } else if (r.file.empty()) {
                r.file = a;
            } else {
                return false;
            }
            continue;
        }
        const OptionUse use = TakeRunOption(args, i, r.run);
        if (use == OptionUse::kBad) return false;
        if (use == OptionUse::kTaken) continue;
        const bool hasValue = i + 1 < args.size();
        long long n = 0;
        if (a == "--border") {
            r.border = true;
        } else if (a == "--all") {
            r.all = true;
        } else if (a == "--zoom") {
            if (!hasValue || !ParseZoom(args[++i], r.zoom)) return false;
        } else if (a == "--frame") {
            if (!hasValue || !ParseNumber(args[++i], 0, INT64_MAX / kFixedOne, n)) return false;
            r.frame = n;
        } else if (a == "-o" || a == "--output") {
            if (!hasValue || args[i + 1].empty()) return false;
            r.out = args[++i];
        } else {
            return false;
        }
    }
    if (r.file.empty() || r.out.empty() || !RunOptionsAgree(r.run)) return false;
    // A run's actions or demo only mean something with a frame to stop at.
    const bool runChosen = r.run.demo || r.run.actionsGiven || r.run.seedGiven;
    if (runChosen && r.frame < 0) return false;
    return !(r.all && (r.run.levelGiven || r.frame >= 0));
}

void Fail(const std::string& text) {
    std::fflush(stdout);
    std::fprintf(stderr, "tessarin-cli render: %s\n", text.c_str());
}

FileResult<QImage> LoadSheet() {
    const auto folder = FindDataFolder();
    if (!folder) return folder.error();
    const auto path = FindFileNoCase(*folder, "tsn32.bmp");
    QImage sheet;
    if (!path || !sheet.load(QString::fromStdString(*path)))
        return FileError{"LoadSheet", 0, "The sprite sheet tsn32.bmp in " + *folder + " cannot be read"};
    return sheet;
}

// Level `level` of the file drawn as the options say; the state keeps the level afterwards.
FileResult<QImage> Draw(GameState& s, const RenderArgs& r, int level, const QImage& sheet) {
    if (const std::string why = PrepareOptionsRun(s, r.file, r.run, level, true); !why.empty())
        return FileError{"Render", 0, why};
    LevelPicture picture(s, sheet, r.border);
    if (!picture.Valid()) return FileError{"Render", 0, "there is not enough memory for the picture"};
    if (r.frame < 0) {
        picture.DrawLoadedLevel();
    } else {
        picture.Attach();
        BeginRun(s);
        const auto actions = [&r](int64_t frame) { return ActionAt(r.run, frame); };
        const HeadlessResult run = RunHeadless(s, actions, r.frame);
        if (run.frames < r.frame)
            return FileError{"Render", 0, "the run ended after frame " + std::to_string(run.frames) +
                                              ", before frame " + std::to_string(r.frame)};
    }
    const QImage natural = picture.Picture();
    const double pixels = natural.width() * r.zoom * natural.height() * r.zoom;
    if (pixels > kMaxPicturePixels)
        return FileError{"Render", 0, "the picture would have more than 2^27 pixels; choose a smaller --zoom"};
    return ZoomedPicture(natural, r.zoom);
}

// Writes one output file; the level file being drawn is never replaced.
FileStatus WriteOutput(const std::string& path, std::span<const uint8_t> data, const RenderArgs& r) {
    if (!InputNamedBy(path, {r.file}).empty())
        return FileError{"Render", 0, path + " is the level file being drawn; choose another name for the output"};
    return WriteFileSafely(path, data, "Render");
}

FileStatus WritePng(const QImage& picture, const std::string& path, const RenderArgs& r) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "PNG")) return FileError{"Render", 0, "the picture cannot be encoded"};
    const auto* data = reinterpret_cast<const uint8_t*>(bytes.constData());
    return WriteOutput(path, {data, static_cast<size_t>(bytes.size())}, r);
}

int RenderOne(const RenderArgs& r, const QImage& sheet) {
    GameState s;
    const auto picture = Draw(s, r, r.run.level, sheet);
    if (!picture) {
        Fail(picture.error().description);
        return 1;
    }
    if (const FileStatus written = WritePng(*picture, r.out, r); !written) {
        Fail(PrintableError(written.error()));
        return 1;
    }
    return 0;
}

// Every level of the file (the first 255 of a level set, the one of a .qv or .tsn file).
int RenderAll(const RenderArgs& r, const QImage& sheet) {
    const auto summary = SummarizeLevelFile(r.file);
    if (!summary) {
        Fail(PrintableError(summary.error()));
        return 1;
    }
    std::error_code ec;
    std::filesystem::create_directories(r.out, ec);
    if (ec) {
        Fail(PrintablePath(r.out) + ": " + ec.message());
        return 1;
    }
    const size_t listed = summary->kind == LevelFileKind::kLevelSet ? summary->levels.size() : 1;
    const size_t count = std::min<size_t>(listed, 255);
    if (listed > count) Fail("only the first 255 levels of the file are drawn");
    ContactPage page;
    page.fileName = std::filesystem::path(r.file).filename().string();
    int status = 0;
    for (size_t i = 0; i < count; ++i) {
        const int number = static_cast<int>(i) + 1;
        GameState s;
        const auto picture = Draw(s, r, number, sheet);
        const std::string name = ContactPictureName(number);
        const auto written = picture ? WritePng(*picture, (std::filesystem::path(r.out) / name).string(), r)
                                     : FileStatus();
        if (!picture || !written) {
            Fail("level " + std::to_string(number) + ": " +
                 (picture ? PrintableError(written.error()) : picture.error().description));
            status = 1;
            continue;
        }
        BeginRun(s);  // counts the Infotrons a level needs when its info block says "all"
        page.levels.push_back({number, s.Info.title(), s.FieldWidth, s.FieldHeight, s.InfotronsNeeded,
                               name, picture->width(), picture->height()});
    }
    const std::string html = ContactPageHtml(page);
    const auto* data = reinterpret_cast<const uint8_t*>(html.data());
    if (const FileStatus written =
            WriteOutput((std::filesystem::path(r.out) / "index.html").string(), {data, html.size()}, r);
        !written) {
        Fail(PrintableError(written.error()));
        return 1;
    }
    return status;
}

}  // namespace

int Render(const Args& args) {
    RenderArgs r;
    if (!ParseArgs(args, r)) return UsageError("render");
    const auto sheet = LoadSheet();
    if (!sheet) {
        Fail(PrintableError(sheet.error()));
        return 1;
    }
    return r.all ? RenderAll(r, *sheet) : RenderOne(r, *sheet);
}

}  // namespace tsn::cli
