// The window's file commands on the test window: saving a run under a name (and the saved demo
// still solves its level), clean saves, sizes the single-level format cannot hold, the save
// questions, new level sets, Clear Temp Folder, saves that fail, the level information window,
// the directory panel and the open command's refusals.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <unistd.h>

#include "app/clear_temp_dialog.h"
#include "app/dir_panel.h"
#include "app/game_session.h"
#include "app/level_info_popup.h"
#include "app/scan_codes.h"
#include "files/create_level.h"
#include "files/demo_block.h"
#include "files/signature.h"
#include "main_window_fixture.h"

namespace tsn {
namespace {

using Phase = GameSession::Phase;

QByteArray ReadAll(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void WriteAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

// A one-level set whose exit is right of Murphy: one step right solves it.
QString ShortLevelSet(const QString& folder) {
    QByteArray set = test::TestSet().left(1536);
    set[5 * 60 + 6] = 7;
    const QString path = QDir(folder).filePath("short.dat");
    WriteAll(path, set);
    return path;
}

// The file dialogs answer with the given names; each request is kept.
struct Dialogs {
    std::deque<FileDialogAnswer> answers;
    std::vector<FileDialogRequest> requests;
    explicit Dialogs(MainWindow& w) {
        w.fileDialog = [this](const FileDialogRequest& r) {
            requests.push_back(r);
            if (answers.empty()) return FileDialogAnswer{};
            FileDialogAnswer a = answers.front();
            answers.pop_front();
            return a;
        };
    }
};

// The test window with its boxes and file dialogs answered.
struct FileWindow {
    test::WindowFixture f;
    MainWindow& w = *f.window;
    test::BoxAnswerer boxes;
    Dialogs dialogs{w};
};

class FileCommands : public ::testing::Test, public FileWindow {};

// Plays the short level to its end, Murphy walking right into the exit.
void SolveShortLevel(MainWindow& w) {
    GameSession& g = w.Session();
    g.PlayCommand();
    w.Keys().Set(key::kRight, true);
    for (int i = 0; i < 5000 && g.CurrentPhase() != Phase::Idle; ++i) g.Tick();
    w.Keys().ReleaseAll();
    ASSERT_EQ(g.CurrentPhase(), Phase::Idle);
    ASSERT_EQ(w.State().LevelSolved, 1);
}

std::string Verify(const QString& path) {
    QProcess cli;
    cli.start(TESSARIN_CLI, {"verify", path});
    EXPECT_TRUE(cli.waitForFinished(10000));
    return cli.readAllStandardOutput().toStdString();
}

TEST_F(FileCommands, ARunSavedAsQvAndAsTsnReopensAndStillSolvesItsLevel) {
    WindowState& s = w.State();
    ASSERT_TRUE(w.InitNewLevelFile(ShortLevelSet(f.dir.path())));
    SolveShortLevel(w);

    for (const char* name : {"run.qv", "run.tsn"}) {
        SCOPED_TRACE(name);
        const QString path = f.dir.filePath(name);
        dialogs.answers.push_back({path, QString(name).endsWith(".qv") ? 2 : 1});
        boxes.answers = {QMessageBox::No, QMessageBox::No};  // keep the demo and its signature
        w.SaveAsCommand(false);
        const FileDialogRequest& r = dialogs.requests.back();
        EXPECT_TRUE(r.save);
        EXPECT_EQ(r.proposed, dialogs.requests.size() == 1 ? "Level001" : "run");
        EXPECT_EQ(r.filters.size(), 2u);
        ASSERT_TRUE(QFileInfo::exists(path));
        EXPECT_EQ(QString::fromStdString(s.CurrentLevelFile), path);
        EXPECT_TRUE(s.LastRunFile.empty());
        EXPECT_TRUE(s.LevelHasDemo);  // reopened from the saved file with its demo
        EXPECT_TRUE(w.Caption().endsWith(" - " + QString(name)));
        EXPECT_EQ(w.LevelList()->count(), 1);
        const std::string report = Verify(path);
        EXPECT_NE(report.find("Success"), std::string::npos) << report;
    }
    EXPECT_EQ(w.Config().LastSaveFilter, 1);
    EXPECT_EQ(w.Config().LastSaveDir, QFileInfo(f.dir.path()).absoluteFilePath());
}

TEST_F(FileCommands, TheSignatureOfASavedRunIsThePlayersOrTheDefaultText) {
    for (const QString& mine : {QString(), QString("Saved by the tester")}) {
        SCOPED_TRACE(mine.toStdString());
        FileWindow t;  // a fresh window for each signature
        t.w.Config().MySignature = mine;
        ASSERT_TRUE(t.w.InitNewLevelFile(ShortLevelSet(t.f.dir.path())));
        SolveShortLevel(t.w);
        t.dialogs.answers.push_back({t.f.dir.filePath("signed.tsn"), 1});
        t.boxes.answers = {QMessageBox::No, QMessageBox::No};
        t.w.SaveAsCommand(false);
        const GameState& s = t.w.State();
        ASSERT_TRUE(s.DemoHasSignature);
        const std::string expected =
            mine.isEmpty() ? std::string("This demo was recorded with Tessarin v.") + TESSARIN_VERSION +
                                 "\r\n\r\nPlease visit the Quorvane forum at:\r\n" + kForumAddress + "\r\n"
                           : mine.toStdString() + "\r\n";
        EXPECT_EQ(s.DemoSignature.substr(0, expected.size()), expected);
        EXPECT_TRUE(s.DemoSignature.ends_with(std::string(" - ") + TESSARIN_VERSION)) << s.DemoSignature;
    }
}

// Save never overwrites a level set: it asks for a name. A container is saved in place.
TEST_F(FileCommands, SaveKeepsLevelSetsAndReplacesContainers) {
    const QString set = ShortLevelSet(f.dir.path());
    ASSERT_TRUE(w.InitNewLevelFile(set));
    const QByteArray setBytes = ReadAll(set);
    SolveShortLevel(w);
    w.SaveCommand();  // a level set: save as, cancelled
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(ReadAll(set), setBytes);

    const QString container = f.dir.filePath("kept.tsn");
    dialogs.answers.push_back({container, 1});
    boxes.answers = {QMessageBox::No, QMessageBox::No};
    w.SaveCommand();
    ASSERT_EQ(dialogs.requests.size(), 2u);
    const qint64 withDemo = ReadAll(container).size();
    ASSERT_GT(withDemo, 20 + 1536);

    boxes.answers = {QMessageBox::Yes};  // now without the demo, in place
    w.SaveCommand();
    EXPECT_EQ(dialogs.requests.size(), 2u);
    EXPECT_EQ(ReadAll(container).size(), 20 + 1536);
    EXPECT_EQ(QString::fromStdString(w.State().CurrentLevelFile), container);
    EXPECT_TRUE(w.Caption().endsWith(" - kept.tsn"));
}

TEST_F(FileCommands, SaveAsCleanLevelWritesTheRecordOnlyAndMakesItCurrent) {
    ASSERT_TRUE(w.InitNewLevelFile(ShortLevelSet(f.dir.path())));
    SolveShortLevel(w);
    const QString path = f.dir.filePath("clean");  // typed without extension: the filter's
    dialogs.answers.push_back({path, 2});
    w.SaveAsCommand(true);
    EXPECT_EQ(ReadAll(path + ".qv").size(), 1536);
    EXPECT_EQ(QString::fromStdString(w.State().CurrentLevelFile), path + ".qv");
    EXPECT_FALSE(w.State().LevelHasDemo);
    EXPECT_EQ(boxes.titles, QStringList{"SaveAs"});
    EXPECT_EQ(boxes.text, "A clean level was saved successfully.");

    w.SaveAsCommand(true);  // cancelled
    EXPECT_EQ(boxes.title, "ERROR SaveAs");
    EXPECT_EQ(boxes.text, "Level not saved!");
}

TEST_F(FileCommands, ALevelOfANonStandardSizeIsOfferedOnlyTheContainer) {
    const QString wide = f.dir.filePath("wide.tsn");
    ASSERT_TRUE(CreateLevel(w.State(), wide.toStdString(), 61, 24, false));
    ASSERT_TRUE(w.InitNewLevelFile(wide));
    ASSERT_TRUE(w.State().NonStandardLevel);
    dialogs.answers.push_back({f.dir.filePath("wide.qv"), 1});
    w.SaveAsCommand(false);
    ASSERT_EQ(dialogs.requests.back().filters.size(), 1u);
    EXPECT_EQ(dialogs.requests.back().filters[0].label, "Tessarin Level (*.tsn)");
    EXPECT_EQ(boxes.title, "Can't save as Quorvane format(.qv)");
    EXPECT_EQ(boxes.text,
              "The level you want to save is a non-standard level(60x24)\r\nSave this level as .tsn");
    EXPECT_FALSE(QFileInfo::exists(f.dir.filePath("wide.qv")));

    dialogs.answers.push_back({f.dir.filePath("wider"), 1});
    w.SaveAsCommand(false);
    EXPECT_EQ(ReadAll(f.dir.filePath("wider.tsn")).size(), 20 + 61 * 24 + 96);
}

// A loaded demo: "save without it?" Yes drops it; No keeps it and asks about the signature:
// Yes takes the player's, No keeps the one it came with.
TEST_F(FileCommands, TheTwoQuestionsAboutALoadedDemo) {
    ASSERT_TRUE(w.InitNewLevelFile(ShortLevelSet(f.dir.path())));
    SolveShortLevel(w);
    const QString demo = f.dir.filePath("demo.qv");
    dialogs.answers.push_back({demo, 2});
    boxes.answers = {QMessageBox::No, QMessageBox::No};
    w.SaveAsCommand(false);
    ASSERT_TRUE(w.State().LevelHasDemo);
    const std::string loaded = w.State().DemoSignature;
    w.Config().MySignature = "mine";

    const struct {
        const char* name;
        std::deque<QMessageBox::StandardButton> answers;
        int questions;
        bool demo;
        std::string signature;
    } cases[] = {
        {"without the demo", {QMessageBox::Yes}, 1, false, ""},
        {"demo, own signature", {QMessageBox::No, QMessageBox::Yes}, 2, true, "mine"},
        {"demo, its signature", {QMessageBox::No, QMessageBox::No}, 2, true, loaded},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(w.InitNewLevelFile(demo));
        const QString out = f.dir.filePath(QString("copy%1.tsn").arg(++n));
        dialogs.answers.push_back({out, 1});
        boxes.answers = c.answers;
        boxes.texts.clear();
        w.SaveAsCommand(false);
        ASSERT_EQ(boxes.texts.size(), c.questions);
        EXPECT_EQ(boxes.texts[0], kQuestionSaveWithoutDemo);
        if (c.questions == 2) {
            EXPECT_EQ(boxes.texts[1], kQuestionSaveWithSignature);
        }
        EXPECT_EQ(w.State().LevelHasDemo, c.demo);
        EXPECT_EQ(ReadAll(out).size() > 20 + 1536, c.demo);
        if (c.demo) {
            EXPECT_EQ(w.State().DemoSignature, c.signature);
        }
    }
}

TEST_F(FileCommands, NewLevelSetAsksAgainForABadNameThenMakesAndOpensTheSet) {
    dialogs.answers = {{f.dir.filePath("new.dxx"), 1},
                       {f.dir.filePath("new.txt"), 1},
                       {f.dir.filePath("New.DAT.bak"), 1}};
    w.NewLevelSetCommand();
    EXPECT_EQ(boxes.texts, (QStringList{"File extension is invalid. Please try again",
                                        "File name is invalid. Please try again"}));
    EXPECT_EQ(boxes.title, "Wrong filename");
    EXPECT_EQ(dialogs.requests.size(), 3u);
    EXPECT_EQ(dialogs.requests[0].filters[0].patterns, (std::vector<std::string>{"*.dat", "*.d*"}));
    const QString path = f.dir.filePath("new.dat");
    EXPECT_EQ(ReadAll(path).size(), 170496);
    EXPECT_EQ(QString::fromStdString(w.State().CurrentLevelFile), path);
    EXPECT_EQ(w.LevelList()->count(), 111);
    EXPECT_TRUE(w.LevelList()->itemText(110).startsWith("111   -------Level 111-------"));
}

TEST_F(FileCommands, ClearTempFolderDeletesCancelsAndReportsAnEmptyFolder) {
    const QString temp = f.dir.filePath("home/Temp");
    QDir().mkpath(temp);
    for (const char* name : {"a.tsn", "b.tsn", "c.tsn"}) WriteAll(QDir(temp).filePath(name), "x");

    QStringList lines;
    w.clearTempRunner = [&](ClearTempDialog& d) {
        d.Step();
        d.Button()->click();  // Cancel: the next step stops
        d.Step();
        EXPECT_TRUE(d.Finished());
        EXPECT_EQ(d.Button()->text(), "Ok");
        lines = d.Lines();
    };
    w.ClearTempCommand();
    EXPECT_EQ(boxes.texts, QStringList{"Are you sure about this?"});
    EXPECT_EQ(lines, (QStringList{"Deleting file 1 of 3", "a.tsn [DELETED]", "Canceled by user..."}));
    EXPECT_EQ(QDir(temp).entryList(QDir::Files).size(), 2);

    w.clearTempRunner = [&](ClearTempDialog& d) {
        while (!d.Finished()) d.Step();
        lines = d.Lines();
    };
    w.ClearTempCommand();
    EXPECT_EQ(lines.size(), 5);
    EXPECT_TRUE(lines.endsWith("All files were deleted."));
    EXPECT_TRUE(QDir(temp).entryList(QDir::Files).isEmpty());

    boxes.answers = {QMessageBox::No};
    WriteAll(QDir(temp).filePath("kept.tsn"), "x");
    w.ClearTempCommand();  // not sure after all
    EXPECT_TRUE(QFileInfo::exists(QDir(temp).filePath("kept.tsn")));
    QFile::remove(QDir(temp).filePath("kept.tsn"));

    w.ClearTempCommand();
    EXPECT_EQ(boxes.title, "Temp folder empty");
    EXPECT_EQ(boxes.text, "There are nothing to delete! The Temp folder is empty.");
}

// The last run's file deleted with the Temp folder: the level comes from its own file again.
TEST_F(FileCommands, ClearingTheTempFolderForgetsTheLastRunsFile) {
    ASSERT_TRUE(w.InitNewLevelFile(ShortLevelSet(f.dir.path())));
    SolveShortLevel(w);
    ASSERT_FALSE(w.State().LastRunFile.empty());
    w.clearTempRunner = [](ClearTempDialog& d) {
        while (!d.Finished()) d.Step();
    };
    w.ClearTempCommand();
    EXPECT_TRUE(w.State().LastRunFile.empty());
    EXPECT_TRUE(w.ReadCurrentLevel());
}

TEST_F(FileCommands, AFailedSaveSaysSoAndLeavesThePreviousFileWhole) {
    const QString folder = f.dir.filePath("locked");
    QDir().mkpath(folder);
    const QString old = QDir(folder).filePath("old.tsn");
    WriteAll(old, "previous contents");

    QFile(old).setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    dialogs.answers.push_back({old, 1});
    w.SaveAsCommand(false);
    EXPECT_EQ(boxes.title, "Application Error");
    EXPECT_TRUE(boxes.text.endsWith("The level was not saved; the file old.tsn is unchanged."))
        << boxes.text.toStdString();
    EXPECT_EQ(ReadAll(old), "previous contents");
    EXPECT_NE(QString::fromStdString(w.State().CurrentLevelFile), old);

    if (geteuid() != 0) {  // the superuser writes into read-only folders
        QFile(old).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        dialogs.answers.push_back({old, 1});
        boxes.title.clear();
        w.SaveAsCommand(false);
        EXPECT_EQ(boxes.title, "Application Error");
        EXPECT_EQ(ReadAll(old), "previous contents");
        QFile(folder).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}

TEST_F(FileCommands, TheLevelInformationWindow) {
    // A single-level file with a demo and a signature, saved after two quick-save loads.
    QByteArray qv = test::TestSet().left(1536);
    qv[1440 + 5] = static_cast<char>(144);
    qv[1440 + 3] = static_cast<char>(2 ^ 166);
    qv += QByteArray("\x81\x03\xff", 3) + "Sig" + QByteArray(1, '\xff');
    const QString path = f.dir.filePath("quick.qv");
    WriteAll(path, qv);
    const QString title = QString::fromLatin1(qv.mid(1440 + 6, 23));

    w.Config().ShowInfo = false;
    ASSERT_TRUE(w.OpenLevelFile(path));
    EXPECT_FALSE(w.InfoPopup()->isVisible());

    w.Config().ShowInfo = true;
    w.Config().SignatureDelay = 60000;
    ASSERT_TRUE(w.OpenLevelFile(path));
    ASSERT_TRUE(w.InfoPopup()->isVisible());
    EXPECT_TRUE(w.InfoPopup()->Timing());
    EXPECT_EQ(w.InfoPopup()->text(),
              title + "\n(60 x 24)\n\nSig\n\nQuick Save was used: 2 time(s). ");
    w.InfoPopup()->hide();

    w.ShowLevelInfoCommand();  // the View menu's text has no quick-save line
    EXPECT_EQ(w.InfoPopup()->text(), title + "\n(60 x 24)\n\nSig");
    w.InfoPopup()->hide();

    // A level chosen in the list, only while the delay is at least 1.
    emit w.LevelList()->activated(0);
    EXPECT_TRUE(w.InfoPopup()->isVisible());
    w.InfoPopup()->hide();
    w.Config().SignatureDelay = 0;
    emit w.LevelList()->activated(0);
    EXPECT_FALSE(w.InfoPopup()->isVisible());
}

TEST_F(FileCommands, TheOpenCommandIsRefusedDuringARun) {
    ASSERT_TRUE(w.InitNewLevelFile(ShortLevelSet(f.dir.path())));
    SolveShortLevel(w);  // the level now carries the run's demo
    const struct { bool demo; const char* text; } cases[] = {
        {false, "In playing mode! Please stop it first."},
        {true, "In demo mode! Please stop it first."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.demo)
            w.Session().PlayDemoCommand();
        else
            w.Session().PlayCommand();
        ASSERT_NE(w.Session().CurrentPhase(), Phase::Idle);
        w.OpenCommand();
        EXPECT_EQ(boxes.title, "Not possible open file");
        EXPECT_EQ(boxes.text, c.text);
        EXPECT_TRUE(dialogs.requests.empty());
        EXPECT_FALSE(w.OpenLevelFile(f.dir.filePath("short.dat")));  // nor from the panel
        boxes.text.clear();
        w.OpenHandedFile(f.dir.filePath("other.dat"));  // nor from a second start
        EXPECT_EQ(boxes.text, c.text);
        w.Session().Stop();
        // The last frame stays for its time (the demo runs at the normal pace).
        for (int i = 0; i < 500 && w.Session().CurrentPhase() != Phase::Idle; ++i) {
            w.Session().Tick();
            QTest::qSleep(1);
        }
        ASSERT_EQ(w.Session().CurrentPhase(), Phase::Idle);
    }

    // Idle: the dialog opens at the remembered filter; a file it cannot read is reported.
    w.Config().LastOpenFilter = 7;
    WriteAll(f.dir.filePath("bad.tsn"), "not a container");
    dialogs.answers.push_back({f.dir.filePath("bad.tsn"), 2});
    w.OpenCommand();
    ASSERT_EQ(dialogs.requests.size(), 1u);
    EXPECT_EQ(dialogs.requests[0].filterIndex, 1);
    EXPECT_EQ(dialogs.requests[0].filters.size(), 4u);
    EXPECT_EQ(dialogs.requests[0].folder, QFileInfo(f.dir.path()).absoluteFilePath());
    EXPECT_EQ(boxes.title, "Error Open QV File");
    EXPECT_EQ(boxes.text, "There was an error loading the level file you have specified.");
    EXPECT_EQ(w.Config().LastOpenFilter, 7);  // remembered only when a file was opened

    const QString other = f.dir.filePath("other.dat");
    QFile::copy(f.dir.filePath("short.dat"), other);
    w.OpenHandedFile(other);
    EXPECT_EQ(QString::fromStdString(w.State().CurrentLevelFile), other);
}

TEST_F(FileCommands, TheDirectoryPanelListsLevelFilesAndOpensOrStartsThem) {
    const QString folder = f.dir.filePath("panel");
    QDir().mkpath(folder);
    ShortLevelSet(folder);
    for (const char* name : {"b.TSN", "c.qv", "d.D07", "notes.txt", "e.tss"})
        WriteAll(QDir(folder).filePath(name), "x");

    EXPECT_FALSE(w.DirectoryPanel()->isVisibleTo(&w));  // progress mode: no panel
    w.Session().GameMode = 1;
    w.Config().ShowDirPanel = true;
    w.UpdateDirPanel();
    EXPECT_TRUE(w.DirectoryPanel()->isVisibleTo(&w));
    w.ToggleDirPanel();
    EXPECT_FALSE(w.DirectoryPanel()->isVisibleTo(&w));
    EXPECT_FALSE(w.Config().ShowDirPanel);
    w.ToggleDirPanel();

    DirPanel& panel = *w.DirectoryPanel();
    panel.SetFolder(folder);
    QFileSystemModel& model = *panel.FileModel();
    const QModelIndex root = panel.Files()->rootIndex();
    QTRY_COMPARE_WITH_TIMEOUT(model.rowCount(root), 4, 3000);
    QStringList names;
    for (int i = 0; i < model.rowCount(root); ++i) names << model.fileName(model.index(i, 0, root));
    names.sort();
    EXPECT_EQ(names, (QStringList{"b.TSN", "c.qv", "d.D07", "short.dat"}));

    const QString set = QDir(folder).filePath("short.dat");
    emit panel.fileChosen(set);
    EXPECT_EQ(QString::fromStdString(w.State().CurrentLevelFile), set);
    EXPECT_EQ(w.Session().CurrentPhase(), Phase::Idle);
    emit panel.fileActivated(set);  // no demo: the level starts
    EXPECT_NE(w.Session().CurrentPhase(), Phase::Idle);
    EXPECT_EQ(w.State().DemoPlayback, 0);
    EXPECT_FALSE(panel.isEnabled());  // no browsing during a run
}

}  // namespace
}  // namespace tsn
