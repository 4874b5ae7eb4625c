// tessarin-cli render against the window: a level's picture equals the window's off-screen
// picture byte for byte, a picture after K frames of a demo shows Murphy where trace puts him,
// and a level set's contact page survives hostile titles.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "app/main_window.h"
#include "app/view_controller.h"
#include "files/level_record.h"
#include "files/tsn_header.h"
#include "main_window_fixture.h"
#include "presentation/level_surface.h"
#include "presentation/scroll_buffer.h"

namespace tsn {
namespace {

const QString kData = QStringLiteral(TESSARIN_TEST_SOURCE_DIR "/data");

struct Cli {
    int status = -1;
    QString out;
    QString err;
};

Cli RunCli(const QStringList& args) {
    QProcess p;
    p.start(TESSARIN_CLI, args);
    Cli r;
    if (!p.waitForFinished(20000)) return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QImage Load(const QString& path) { return QImage(path).convertToFormat(QImage::Format_RGB32); }

TEST(Render, ALevelIsDrawnAsTheWindowDrawsIt) {
    const struct {
        QString file;
        bool border;
    } cases[] = {
        {kData + "/levels/LEVELS.DAT", false},
        {kData + "/levels/solutions/007.qv", false},
        {kData + "/levels/solutions/012.qv", true},
    };
    for (const auto& c : cases) {
        test::WindowFixture f(ReadAll(kData + "/tsn32.bmp"));
        ASSERT_TRUE(f.loaded);
        if (c.border) f.window->View().ToggleBorder();
        ASSERT_TRUE(f.window->OpenLevelFile(c.file)) << c.file.toStdString();
        const ScrollBuffer* scroll = f.window->View().Scroll();
        ASSERT_NE(scroll, nullptr);
        const QImage window =
            scroll->Surface().copy(ShownRect(f.window->View().Renderer().Region)).convertToFormat(QImage::Format_RGB32);

        const QString out = f.dir.filePath("level.png");
        QStringList args = {"render", c.file, "-o", out};
        if (c.border) args << "--border";
        const Cli r = RunCli(args);
        ASSERT_EQ(r.status, 0) << r.err.toStdString();
        const QImage rendered = Load(out);
        ASSERT_EQ(rendered.size(), window.size()) << c.file.toStdString();
        EXPECT_TRUE(rendered == window) << c.file.toStdString();

        ASSERT_EQ(RunCli(args << "--zoom" << "1.5").status, 0);
        const QImage zoomed = Load(out);
        ASSERT_EQ(zoomed.size(), rendered.size() * 1.5);
    }
}

TEST(Render, AfterKFramesOfADemoMurphyStandsWhereTraceSaysHeIs) {
    const QString demo = kData + "/levels/solutions/012.qv";
    const Cli trace = RunCli({"trace", demo, "--demo"});
    ASSERT_EQ(trace.status, 0);
    // After every frame: Murphy's cell, and whether he rests (no input, no lead-out).
    struct After {
        int cell;
        bool resting;
    };
    std::vector<After> frames;
    for (const QString& line : trace.out.split('\n')) {
        const QStringList f = line.split(' ');
        if (f.size() == 10 && !line.startsWith('#'))
            frames.push_back({f[1].toInt(), f[2] == "0" && f[6] == "0" && f[7] == "0"});
    }
    ASSERT_GT(frames.size(), 100u);
    // A frame after which Murphy has rested on one cell, away from his start, for ten frames:
    // he is drawn at rest there.
    int frame = -1;
    for (size_t k = 10; k < frames.size() && frame < 0; ++k) {
        bool still = frames[k].cell != frames[0].cell;
        for (size_t j = k - 10; j <= k && still; ++j) still = frames[j].resting && frames[j].cell == frames[k].cell;
        if (still) frame = static_cast<int>(k) + 1;  // entry k is the state after frame k + 1
    }
    ASSERT_GT(frame, 0) << "Murphy never rests away from his start";
    const int cell = frames[static_cast<size_t>(frame) - 1].cell;

    QTemporaryDir dir;
    const QString out = dir.filePath("frame.png");
    const Cli r = RunCli({"render", demo, "--frame", QString::number(frame), "--demo", "-o", out});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QImage picture = Load(out);
    // The picture starts with the frame around the shown region (cell 0 of the level).
    // The sprite drawn on a cell; Murphy keeps the picture of his last action while he rests.
    const QImage sheet = Load(kData + "/tsn32.bmp");
    const auto spriteAt = [&](int c) {
        const QImage drawn = picture.copy(32 * (c % 60), 32 * (c / 60), 32, 32);
        for (int n = 0; n < 256; ++n)
            if (sheet.copy(n % 16 * 32, n / 16 * 32, 32, 32) == drawn) return n;
        return -1;
    };
    const auto isMurphy = [](int n) {
        return n == 3 || (n >= 43 && n <= 54) || (n >= 56 && n <= 73) || n == 79 || n == 94 ||
               n == 95 || (n >= 176 && n <= 191);
    };
    EXPECT_TRUE(isMurphy(spriteAt(cell))) << "frame " << frame << ", cell " << cell << ": " << spriteAt(cell);
    EXPECT_FALSE(isMurphy(spriteAt(frames[0].cell))) << spriteAt(frames[0].cell);

    const Cli late = RunCli({"render", demo, "--frame", "999999", "--demo", "-o", out});
    EXPECT_EQ(late.status, 1);
    EXPECT_TRUE(late.err.contains("the run ended after frame")) << late.err.toStdString();
}

TEST(Render, ALevelSetBecomesPicturesAndAContactPage) {
    QTemporaryDir dir;
    QByteArray set = test::TestSet();
    const QByteArray hostile = "<script>&\"'\x01\xff";  // title of level 2, padded below
    set.replace(1536 + 1440 + 6, hostile.size(), hostile);
    const QString path = dir.filePath("hostile.dat");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(set);
    file.close();

    const QString folder = dir.filePath("pictures");
    const Cli r = RunCli({"render", path, "--all", "-o", folder});
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const QString html = QString::fromUtf8(ReadAll(folder + "/index.html"));
    EXPECT_EQ(html.count("<li "), 2);
    EXPECT_TRUE(html.contains("&lt;script&gt;&amp;&quot;&#39;\\x01\\xFF")) << html.toStdString();
    EXPECT_FALSE(html.contains("<script>"));
    EXPECT_TRUE(html.contains("60 x 24, Infotrons needed: 0"));
    EXPECT_TRUE(html.contains("<img src=\"level-002.png\" width=\"1920\" height=\"768\""));

    const QString single = dir.filePath("two.png");
    ASSERT_EQ(RunCli({"render", path, "--level", "2", "-o", single}).status, 0);
    EXPECT_TRUE(Load(folder + "/level-002.png") == Load(single));
}

TEST(Render, UsageErrorsRefusalsAndHelp) {
    const QString level = kData + "/levels/solutions/001.qv";
    const QStringList bad[] = {
        {"render", level},                                          // no output
        {"render", level, "--zoom", "0.3", "-o", "x.png"},          // not in eighths
        {"render", level, "--zoom", "9", "-o", "x.png"},            // too large
        {"render", level, "--demo", "-o", "x.png"},                 // a run without a frame
        {"render", level, "--all", "--level", "2", "-o", "dir"},    // --all draws every level
        {"render", level, "--frame", "5", "--demo", "--seed", "3", "-o", "x.png"},
        {"render", level, "--sharpen", "-o", "x.png"},
    };
    for (const QStringList& args : bad) {
        const Cli r = RunCli(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.err.startsWith("usage: tessarin-cli render")) << r.err.toStdString();
    }
    // The largest level at zoom 8 would take gigabytes: refused, nothing written.
    QTemporaryDir dir;
    const std::vector<uint8_t> big =
        TsnBytes(125, 125, std::vector<uint8_t>(125 * 125, 0), NewLevelInfo("BIG"), {});
    QFile file(dir.filePath("big.tsn"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(reinterpret_cast<const char*>(big.data()), static_cast<qint64>(big.size()));
    file.close();
    const Cli huge = RunCli({"render", dir.filePath("big.tsn"), "--zoom", "8", "-o", dir.filePath("big.png")});
    EXPECT_EQ(huge.status, 1);
    EXPECT_TRUE(huge.err.contains("more than 2^27 pixels")) << huge.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.filePath("big.png")));
    // The picture may not replace the level it shows.
    const Cli onto = RunCli({"render", dir.filePath("big.tsn"), "-o", dir.filePath("big.tsn")});
    EXPECT_EQ(onto.status, 1);
    EXPECT_TRUE(onto.err.contains("is the level file being drawn")) << onto.err.toStdString();
    EXPECT_EQ(ReadAll(dir.filePath("big.tsn")), QByteArray(reinterpret_cast<const char*>(big.data()), static_cast<qsizetype>(big.size())));

    const Cli help = RunCli({"render", "--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* option : {"--level N", "--zoom Z", "--border", "--frame K", "--all", "-o", "example:"})
        EXPECT_TRUE(help.out.contains(option)) << option;
}

}  // namespace
}  // namespace tsn
