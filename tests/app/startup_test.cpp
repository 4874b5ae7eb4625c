#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>

#include "app/crash_handler.h"
#include "app/startup_checks.h"

namespace tsn {
namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("x");
}

TEST(StartupChecks, MissingFilesAreFatalInTheirOrder) {
    QTemporaryDir dir;
    const QString data = dir.filePath("data");
    StartupData out;
    auto failure = CheckDataFolder(data, out);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->title, "Fatal Error");
    EXPECT_EQ(failure->text, "The File tsn32.bmp was not found.");

    Touch(data + "/tsn32.bmp");
    for (const RequiredFile& f : RequiredDataFiles())
        if (!f.relative.endsWith("Push.wav")) Touch(data + "/" + f.relative);
    failure = CheckDataFolder(data, out);
    ASSERT_TRUE(failure.has_value());
    EXPECT_EQ(failure->text, "The File \\Sound\\Push.wav was not found.");
    EXPECT_TRUE(out.spriteSheetInvalid);  // not the shipped sheet

    Touch(data + "/Sound/PUSH.WAV");  // file names are matched without regard to case
    failure = CheckDataFolder(data, out);
    EXPECT_FALSE(failure.has_value());
    EXPECT_TRUE(out.tempLevelFile.endsWith(MyTempFileName(QCoreApplication::applicationPid())));
}

TEST(StartupChecks, TheShippedSheetPassesTheDigestCheck) {
    const QString sheet = QStringLiteral(TESSARIN_TEST_SOURCE_DIR "/data/tsn32.bmp");
    if (!QFileInfo::exists(sheet)) GTEST_SKIP() << "no sprite sheet in this tree";
    EXPECT_EQ(FileDigest(sheet), ExpectedSheetDigest());
    EXPECT_EQ(ExpectedSheetDigest().size(), 32);
}

TEST(StartupChecks, StaleTemporaryFilesOfCopiesThatAreGone) {
    QTemporaryDir dir;
    const qint64 me = QCoreApplication::applicationPid();
    const QString own = "tmp0x00ABCDEF.tsn";  // this copy's own name in the test
    const QString running = MyTempFileName(me);  // a running copy of this program
    const QString gone = "tmp0x7FFFFFF0.tsn";    // no such process
    for (const QString& n : {own, running, gone, QString("other.tsn")}) Touch(dir.filePath(n));
    EXPECT_TRUE(IsRunningCopy(me));
    EXPECT_FALSE(IsRunningCopy(0x7FFFFFF0));
    CleanStaleTempFiles(dir.path(), own);
    EXPECT_FALSE(QFile::exists(dir.filePath(own)));
    EXPECT_TRUE(QFile::exists(dir.filePath(running)));
    EXPECT_FALSE(QFile::exists(dir.filePath(gone)));
    EXPECT_TRUE(QFile::exists(dir.filePath("other.tsn")));
    EXPECT_EQ(MyTempFileName(0x1a2b), "tmp0x00001A2B.tsn");
}

TEST(CrashTranslator, ReadableNames) {
    EXPECT_EQ(CrashName(SIGSEGV, 0), "Access Violation");
    EXPECT_EQ(CrashName(SIGFPE, FPE_INTDIV), "Integer Divide By Zero");
    EXPECT_EQ(CrashName(SIGFPE, FPE_FLTOVF), "Float Overflow");
    EXPECT_EQ(CrashName(SIGILL, ILL_PRVOPC), "Privileged Instruction");
    EXPECT_EQ(CrashName(SIGILL, ILL_ILLOPC), "Illegal Instruction");
    EXPECT_EQ(CrashName(SIGTRAP, TRAP_BRKPT), "Breakpoint");
    EXPECT_EQ(CrashName(SIGBUS, BUS_ADRALN), "Data Type Misalignment");
    EXPECT_EQ(CrashName(SIGABRT, 0), "Unknown (&H00000006)");
}

TEST(CrashTranslator, AFaultIsReportedByName) {
    // A signal sent by a process carries no fault code: the signal's general name is written.
    EXPECT_DEATH(
        {
            InstallCrashTranslator();
            std::raise(SIGSEGV);
        },
        "Error 10000 \\(ExceptionHandler\\): Access Violation");
    EXPECT_DEATH(
        {
            InstallCrashTranslator();
            std::raise(SIGFPE);
        },
        "Error 10000 \\(ExceptionHandler\\): Invalid Operation");
}

}  // namespace
}  // namespace tsn
