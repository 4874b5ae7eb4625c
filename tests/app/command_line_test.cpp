// Starting the program with a file: the command line, the file opened at start-up, the file
// handed to a copy already running, and the temporary folder that cannot be made.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>
#include <QUuid>

#include "app/command_line.h"
#include "app/single_instance.h"
#include "app/startup_checks.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

using Action = CommandLine::Action;

TEST(CommandLine, FilesHelpVersionAndMistakes) {
    const struct {
        std::vector<std::string> args;
        Action action;
        std::string file;
        int quitAfter = -1;
    } cases[] = {
        {{}, Action::kRun, ""},
        {{"levels.dat"}, Action::kRun, "levels.dat"},
        {{"--", "-odd.tsn"}, Action::kRun, "-odd.tsn"},
        {{"--help"}, Action::kHelp, ""},
        {{"a.qv", "-h"}, Action::kHelp, ""},
        {{"--version"}, Action::kVersion, ""},
        {{"--", "--help"}, Action::kRun, "--help"},
        {{"--frobnicate"}, Action::kError, ""},
        {{"a.qv", "b.qv"}, Action::kError, ""},
        {{""}, Action::kError, ""},
        {{"--quit-after", "3", "a.qv"}, Action::kRun, "a.qv", 3},
        {{"a.qv", "--quit-after", "0"}, Action::kRun, "a.qv", 0},
        {{"--quit-after"}, Action::kError, ""},
        {{"--quit-after", "-1"}, Action::kError, ""},
        {{"--quit-after", "9999999"}, Action::kError, ""},
        {{"--", "--quit-after", "3"}, Action::kError, ""},
    };
    for (const auto& c : cases) {
        const CommandLine r = ParseCommandLine(c.args);
        EXPECT_EQ(r.action, c.action) << ::testing::PrintToString(c.args);
        EXPECT_EQ(r.file, c.file) << ::testing::PrintToString(c.args);
        if (c.action == Action::kRun) {
            EXPECT_EQ(r.quitAfterSeconds, c.quitAfter) << ::testing::PrintToString(c.args);
        }
        EXPECT_EQ(r.error.empty(), c.action != Action::kError);
    }
    EXPECT_NE(CommandLineHelp().find("Usage: tessarin [OPTION]... [FILE]"), std::string::npos);
}

TEST(CommandLine, TheFileGivenAtStartUpBecomesTheCurrentLevelFile) {
    test::WindowFixture f;
    test::BoxAnswerer boxes;
    QByteArray qv = test::TestSet().mid(1536);  // level 2 of the test set as a .qv
    const QString path = f.dir.filePath("given.qv");
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(qv);
    file.close();

    StartupData data;
    data.dataFolder = f.dir.filePath("data");
    MainWindow second(data, f.store.get());
    ASSERT_TRUE(second.Load(path));
    EXPECT_EQ(QString::fromStdString(second.State().CurrentLevelFile), path);
    EXPECT_TRUE(second.Caption().endsWith(" - given.qv"));
    EXPECT_EQ(second.State().Info.title(), f.window->State().Info.title().replace(17, 1, "2"));

    MainWindow third(data, f.store.get());  // a file that is no level file: the last one opens
    ASSERT_TRUE(third.Load(f.dir.filePath("settings.ini")));
    EXPECT_EQ(boxes.title, "Error Open QV File");
    EXPECT_NE(QString::fromStdString(third.State().CurrentLevelFile), f.dir.filePath("settings.ini"));
    EXPECT_TRUE(third.State().LevelLoaded);
}

TEST(CommandLine, ASecondStartHandsItsFileToTheRunningCopy) {
    const QString name = "tessarin-test-" + QUuid::createUuid().toString(QUuid::Id128);
    SingleInstance first(name);
    QStringList received;
    first.Listen([&](const QString& file) { received << file; });

    SingleInstance second(name);
    EXPECT_TRUE(second.HandOver("/levels/my levels.dat"));
    EXPECT_TRUE(second.HandOver());
    QTRY_COMPARE_WITH_TIMEOUT(received.size(), 2, 3000);
    EXPECT_EQ(received, (QStringList{"/levels/my levels.dat", QString()}));

    EXPECT_FALSE(SingleInstance(name + "-none").HandOver("/x.qv"));  // nobody listens
}

TEST(CommandLine, ATemporaryFolderThatCannotBeMadeIsNamed) {
    QTemporaryDir dir;
    QFile blocker(dir.filePath("file"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QByteArray saved = qgetenv("TESSARIN_HOME");
    qputenv("TESSARIN_HOME", dir.filePath("file/home").toLocal8Bit());  // below a plain file
    QString failed;
    EXPECT_EQ(TemporaryFolder(dir.filePath("missing"), &failed), QString());
    EXPECT_EQ(failed, dir.filePath("file/home/Temp"));
    EXPECT_EQ(TemporaryFolder(dir.path(), &failed), dir.path());  // the system's when it exists
    qputenv("TESSARIN_HOME", dir.filePath("home").toLocal8Bit());
    EXPECT_EQ(TemporaryFolder(dir.filePath("missing")), dir.filePath("home/Temp"));
    EXPECT_TRUE(QFileInfo(dir.filePath("home/Temp")).isDir());
    qputenv("TESSARIN_HOME", saved);
}

}  // namespace
}  // namespace tsn
